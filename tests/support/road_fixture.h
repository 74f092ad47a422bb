#pragma once
// A program taken from the menu as a person takes it: the registration or the login answered for
// one person, the documents of the build beside the program, and every document the screens open
// read and closed.
#include <QDialog>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "support/ui_fixture.h"

namespace testsupport {

struct RoadPerson {
    const char* lastName;
    const char* name;
    int age;
    const char* sexOption;  // "Option1(0)" a man, "Option1(1)" a woman
    const char* height;
    const char* weight;
    const char* password;
    bool heightAtEveryRun = false;  // a child's height is asked anew at every run
};

class RoadFixture : public UiFixture {
  protected:
    explicit RoadFixture(RoadPerson person);

    // Answers the registration, the login and the choice between them, and reads and closes a
    // document (its picture saved under shotName, when one is asked for).
    void Answer(QDialog& dialog);

    // Every questionnaire the program gives, from its introduction on, each question answered
    // with the option the pattern picks (see AnswerTest); returns how many were taken.
    int TakeTheTests(const char* introduction, int pattern);

    // Saves the report of the run from a screen as file, the way a person does (the save dialog
    // answered with file), and returns the PDF's text as pdftotext reads it, lines joined by
    // blanks ("<unreadable>" when it cannot be read).
    std::string SaveReport(const char* screen, const std::filesystem::path& file);

    // The text of a label of a loaded screen ("<missing>" when there is none), whether a control
    // of it is shown, and the plain text of the document read last.
    std::string Text(const char* screen, const QString& name);
    bool Shown(const char* screen, const QString& name);
    std::string LastShown() const { return shown.empty() ? "" : shown.back().plain; }

    struct Shown_ {
        std::string plain;
        bool printable;
    };
    std::vector<Shown_> shown;
    QString shotName;
    bool returning = false;  // the person has registered before and logs in

  private:
    RoadPerson person_;
};

}  // namespace testsupport
