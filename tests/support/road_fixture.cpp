#include "support/road_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "docs/ui/frm_rtf.h"

namespace testsupport {

RoadFixture::RoadFixture(RoadPerson person) : person_(person) {
    // The documents as the build made them.
    std::filesystem::copy(std::filesystem::path(TEST_BUILD_DIR) / "Doc", dir.path() / "Doc");
    forms.SetModalRunner([this](QDialog& dialog) { Answer(dialog); });
}

void RoadFixture::Answer(QDialog& dialog) {
    const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
    const auto type = [&](const char* box, const QString& text) {
        dialog.findChild<QLineEdit*>(box)->setText(text);
    };
    const std::string name = dialog.objectName().toStdString();
    if (name == "frmChoice") {
        press(returning ? "cmdSecond" : "cmdNew");
    } else if (name == "frmLogin") {
        auto* users = dialog.findChild<QComboBox*>("cmbUser");
        users->setCurrentIndex(
            users->findText(QString::fromUtf8(person_.lastName) + " " + person_.name));
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), person_.password);
        press("cmdOk");
    } else if (name == "frmRegist") {
        if (!returning) {
            type("txtLastName", QString::fromUtf8(person_.lastName));
            type("txtName", QString::fromUtf8(person_.name));
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtYearBirth"),
                             QString::number(clock.now.year - person_.age));
            dialog.findChild<QAbstractButton*>(person_.sexOption)->click();
            if (!person_.heightAtEveryRun) type("txtHeight", person_.height);
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtPassw"), person_.password);
        }
        if (person_.heightAtEveryRun) type("txtHeight", person_.height);
        type("txtWeight", person_.weight);
        press("cmdRegist");
    } else if (name == "frmRTF") {
        auto& viewer = *qobject_cast<docs::frmRTF*>(&dialog);
        shown.push_back({viewer.PlainText(), viewer.PrintButtonVisible()});
        if (!shotName.isEmpty()) SaveShot(dialog, shotName);
        shotName.clear();
        press("cmdClose");
    }
}

int RoadFixture::TakeTheTests(const char* introduction, int pattern) {
    Click(introduction, "cmdContinue");
    int tests = 0;
    // No program has more than seven questionnaires; the bound keeps a broken road finite.
    while (forms.IsLoaded("frmRazd") && tests < 9) {
        Click("frmRazd", "cmdContinue");
        EXPECT_NE(Anketa(), nullptr) << tests;
        if (!Anketa()) return tests;
        AnswerTest(pattern);
        Click("frmAnketa", "cmdContinue");
        ++tests;
    }
    return tests;
}

std::string RoadFixture::SaveReport(const char* screen, const std::filesystem::path& file) {
    files.answers.push_back(file.string());
    Click(screen, "cmdReport");
    // A person can look at the report beside the pictures of the screens.
    if (const char* shots = std::getenv("ZORVEK_SHOTS"); shots && std::filesystem::exists(file))
        std::filesystem::copy_file(file,
                                   std::filesystem::path(shots) /
                                       (std::string("report-") + screen + ".pdf"),
                                   std::filesystem::copy_options::overwrite_existing);
    QProcess reader;
    reader.start("pdftotext", {QString::fromStdString(file.string()), "-"});
    if (!reader.waitForFinished(30000) || reader.exitCode() != 0) return "<unreadable>";
    return QString::fromUtf8(reader.readAllStandardOutput()).simplified().toStdString();
}

std::string RoadFixture::Text(const char* screen, const QString& name) {
    auto* label = Screen(screen)->findChild<QLabel*>(name);
    return label ? label->text().toStdString() : "<missing>";
}

bool RoadFixture::Shown(const char* screen, const QString& name) {
    QWidget* widget = Screen(screen)->findChild<QWidget*>(name);
    return widget && !widget->isHidden();
}

}  // namespace testsupport
