#pragma once
// Building blocks of the small screens: controls named as the design names them, with their
// design captions, and the behaviour every text box of these screens shares.
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace widgets {

class ScreenParts {
  public:
    ScreenParts(QWidget* screen, std::string form) : screen_(screen), form_(std::move(form)) {}

    // A label with its design caption (none when the design has none).
    QLabel* Label(const std::string& name) const;
    // The same, bold and larger, centred: a screen's heading.
    QLabel* Heading(const std::string& name) const;
    // A label for a long text: word wrap, left aligned.
    QLabel* Paragraph(const std::string& name) const;
    // A text box with its design text that selects its whole text when it gets the focus;
    // maxLength 0 leaves the length free.
    QLineEdit* Box(const std::string& name, int maxLength) const;
    QPushButton* Button(const std::string& name) const;

  private:
    QWidget* screen_;
    std::string form_;
};

// Whenever the box gets the focus, by keyboard or mouse, its whole text is selected.
void SelectAllOnFocus(QLineEdit* box);
// The box shows one "*" for every character typed.
void EchoStars(QLineEdit* box);

}  // namespace widgets
