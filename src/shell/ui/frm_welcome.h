#pragma once
// The welcome screen: the maker, the program and its motto, what the program does, and where to
// begin. It has no buttons; the launcher closes it when a program starts.
#include <QWidget>

#include "platform/app_context.h"

class QLabel;
class QPixmap;

namespace shell {

class frmWelcome : public QWidget {
    Q_OBJECT
  public:
    explicit frmWelcome(platform::AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1;  // the maker
    QLabel* Label2;  // "Оздоровительная программа"
    QLabel* Label3;  // the program's name
    QLabel* Label4;  // the motto
    QLabel* Label5;  // the program
    QLabel* Label8;  // its method
    QLabel* Label7;  // the maker's offer, three short paragraphs
    QLabel* Label6;  // where to begin
    QLabel* Image1;  // the picture

  private:
    void Form_Load();

    platform::AppContext& ctx_;
};

// Opens the welcome screen as its openers do (start-up, the farewell screen's exit): loads it,
// makes its picture visible and shows it, not modally. The picture is visible from the start as
// well, so that an opener that only shows the screen still shows it whole.
void ShowWelcome(platform::AppContext& context);

// The program's picture, decoded once at the size it is shown (150 pixels, or twice that on
// screens of more than one device pixel per pixel): the welcome screen's picture and every
// window's icon.
const QPixmap& WelcomePicture();

}  // namespace shell
