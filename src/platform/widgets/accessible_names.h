#pragma once
// What a screen reader says for a control whose words stand beside it rather than on it: a box
// after its caption, an option button after the word next to it, a link after its introduction.
#include <initializer_list>

class QLabel;
class QString;
class QWidget;

namespace widgets {

// The control is announced by the caption's text; the hints (an example, the allowed length)
// follow as its description, in the order given. A caption beside a box or a list also becomes
// its buddy, so that the two are known to belong together. The texts are read again whenever
// the labels are shown.
// Shown words as a listener hears them: one line, no mnemonic marks, and a word hyphenated to
// fit a narrow caption ("РАЦИО- НАЛЬНОСТЬ") whole again.
QString Spoken(const QString& shown);

void NameFromCaption(QWidget* control, QLabel* caption, std::initializer_list<QLabel*> hints = {});

}  // namespace widgets
