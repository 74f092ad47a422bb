#include "recommendations/ui/frm_recom2.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "platform/qt_text.h"
#include "recommendations/preparations.h"
#include "text/catalogue.h"

namespace recommendations {

namespace {

constexpr int kProgram = 2;
// Room a topic button's frame and padding take from the width of its row.
constexpr int kTopicButtonPadding = 32;

// The words of a title broken into lines that each fit the width; a word longer than the width
// stands on a line of its own.
QString WrappedToWidth(const QString& title, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : title.split(' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines.push_back(line);
    return lines.join('\n');
}

}  // namespace

frmRecom2::frmRecom2(platform::AppContext& context)
    : RecommendationScreen(context, kProgram, {.date = true, .buttons = 0, .buttonsGrow = true}) {
    Label7 = AddText(Place::Closing, "Label7");
    topics_ = new QVBoxLayout;
    topics_->setSpacing(4);
    // The block's heading: it names the self-help documents below it and opens none itself.
    auto* heading =
        new QPushButton(platform::ToQt(text::FormText(formName(), "cmdRecom(0)")), this);
    heading->setObjectName("cmdRecom(0)");
    heading->setFlat(true);
    heading->setFocusPolicy(Qt::NoFocus);
    heading->setAttribute(Qt::WA_TransparentForMouseEvents);
    heading->setStyleSheet("font-weight: bold; color: #1f5c4f; text-align: left;");
    topics_->addWidget(heading, 0, Qt::AlignLeft);
    cmdRecom[0] = heading;
    auto* block = new QWidget(this);
    block->setObjectName("TopicBlock");
    block->setLayout(topics_);
    topics_->setContentsMargins(0, 0, 0, 0);
    AddWidget(Place::Closing, block);
    Label5 = AddText(Place::Closing, "Label5");
    Form_Load();
}

// The heading's break tokens become line breaks.
std::string frmRecom2::Heading() const {
    return text::ReplaceBreaks(RecommendationScreen::Heading());
}

// The list of the overall rating and the marked factor, in category order; the factor's
// self-help topics below it.
ListLayout frmRecom2::LayOut() {
    const state::SharedState& state = ctx_.state;
    lists_ = program2::BuildLists(state.overallRating(kProgram), state.markedFactor(), state.sex());
    selection_ = program2::ChooseList(lists_.recomList);
    ShowTopics();
    return LayOutByCategory(selection_, CategoryList(), 0);
}

// One button per topic under the block's heading; without a topic the block and its
// introduction go, and what follows moves up.
void frmRecom2::ShowTopics() {
    const std::vector<int> topics = program2::Topics(lists_.helpTopics);
    for (size_t c = 0; c < topics.size(); ++c) {
        const int index = static_cast<int>(c) + 1;
        const int topic = topics[c];
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdRecom(%1)").arg(index));
        button->setProperty("topic", topic);
        button->setStyleSheet("text-align: left; padding: 4px 10px;");
        // A long title wraps onto a second line rather than being cut at the button's edge.
        const QMargins margins = layout()->contentsMargins();
        button->setText(WrappedToWidth(
            platform::ToQt(text::GetCatalogText(program2::TopicKey(topic))), button->fontMetrics(),
            width() - margins.left() - margins.right() - kTopicButtonPadding));
        connect(button, &QPushButton::clicked, this, [this, index] { cmdRecom_Click(index); });
        topics_->addWidget(button);
        cmdRecom[index] = button;
    }
    const bool any = !topics.empty();
    cmdRecom[0]->setVisible(any);
    Label7->setVisible(any);
    cmdRecom[0]->parentWidget()->setVisible(any);
}

ScreenDocument frmRecom2::Description(const LayoutEntry& button) const {
    ScreenDocument description = RecommendationScreen::Description(button);
    description.path = program2::DescriptionPath(button.item);
    return description;
}

// The use table reduced to the rows of the list's items and variants, dated, printable.
ScreenDocument frmRecom2::UseDocument() const {
    return {.path = std::string(program2::kUseTablePath),
            .missingIcon = platform::MessageBox::Icon::Warning,
            .fill = {.dateRtf = true},
            .table = program2::UseTableRule(lists_.recomList),
            .cleanUp = RemoveTaggedMarkers};
}

// A topic's document; the yearly exercise programme is chosen by age and squat-test result,
// addressed to the user, dated and printable.
ScreenDocument frmRecom2::SelfHelpDocument(int topic) const {
    if (topic != program2::kExerciseTopic) {
        return {.path = program2::SelfHelpPath(topic),
                .missingIcon = platform::MessageBox::Icon::Warning,
                .printable = false};
    }
    const int age = ctx_.clock.Now().year - ctx_.state.userYearBirth;
    return {.path = program2::ExercisePath(age, ctx_.state.ratingOf(kProgram, 9)),
            .missingIcon = platform::MessageBox::Icon::None,
            .printable = true,
            .fill = {.salutationRtf = true, .dateText = true}};
}

void frmRecom2::cmdRecom_Click(int index) {
    const auto button = cmdRecom.find(index);
    if (button == cmdRecom.end() || index == 0) return;
    Open(SelfHelpDocument(button->second->property("topic").toInt()));
}

}  // namespace recommendations
