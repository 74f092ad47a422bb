#pragma once
// Small dialogs that stand in for the choice, abort, login and registration dialogs in tests of
// screens that address those only by name and objectName: each keeps to its dialog's interface
// (dlgResult 0 on load, the documented controls, the documented results) and nothing more.
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "base/numbers.h"
#include "platform/app_context.h"
#include "platform/forms.h"

namespace testsupport {

class StandInDialog : public QDialog {
public:
    StandInDialog(platform::AppContext& context, int closedResult)
        : context_(context), closedResult_(closedResult) {
        context_.state.dlgResult = 0;
        new QVBoxLayout(this);
    }

protected:
    QLabel* AddLabel(const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        layout()->addWidget(label);
        return label;
    }
    QLineEdit* AddBox(const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        layout()->addWidget(box);
        return box;
    }
    QPushButton* AddButton(const char* name, int result) {
        auto* button = new QPushButton(name, this);
        button->setObjectName(name);
        layout()->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, result] { Finish(result); });
        return button;
    }
    virtual void Finish(int result) {
        context_.state.dlgResult = static_cast<int16_t>(result);
        close();
    }
    void closeEvent(QCloseEvent* event) override {
        if (context_.state.dlgResult == 0) context_.state.dlgResult = static_cast<int16_t>(closedResult_);
        QDialog::closeEvent(event);
    }

    platform::AppContext& context_;
    int closedResult_;
};

// frmChoice: "НОВЫЙ" 1, "ПОВТОРНО" 2, "ЗАКРЫТЬ" or the close box 3.
class StandInChoice : public StandInDialog {
public:
    explicit StandInChoice(platform::AppContext& c) : StandInDialog(c, 3) {
        AddLabel("Label1");
        AddLabel("Label2");
        AddLabel("Label3");
        AddButton("cmdNew", 1);
        AddButton("cmdSecond", 2);
        AddButton("cmdClose", 3);
    }
};

// frmAbort: "ДА" 1, "НЕТ" 2.
class StandInAbort : public StandInDialog {
public:
    explicit StandInAbort(platform::AppContext& c) : StandInDialog(c, 2) {
        AddButton("cmdYes", 1);
        AddButton("cmdNo", 2);
    }
};

// The profile a returning user logs in with.
struct StandInProfile {
    bool exists = true;
    int16_t number = 7;
    std::string lastName = "Иванова";
    std::string firstName = "Мария";
    int16_t yearBirth = 1980;
    std::string sex = "f";
    float height = 1.68f;
};

// frmLogin: with no profile it says so at load (dlgResult 2); "OK" loads the profile.
class StandInLogin : public StandInDialog {
public:
    StandInLogin(platform::AppContext& c, const StandInProfile& profile) : StandInDialog(c, 2), profile_(profile) {
        AddButton("cmdOk", 1);
        AddButton("cmdQuit", 2);
        if (!profile_.exists) context_.state.dlgResult = 2;
    }

protected:
    void Finish(int result) override {
        if (result == 1) {
            state::SharedState& s = context_.state;
            s.userNum = profile_.number;
            s.userLastName = profile_.lastName;
            s.userFirstName = profile_.firstName;
            s.userYearBirth = profile_.yearBirth;
            s.userSex = profile_.sex;
            s.userHeight = profile_.height;
        }
        StandInDialog::Finish(result);
    }

private:
    StandInProfile profile_;
};

// frmRegist: "РЕГИСТРАЦИЯ"/"ПРОДОЛЖИТЬ" takes the boxes into the shared state, "ОТМЕНА" 2.
class StandInRegist : public StandInDialog {
public:
    explicit StandInRegist(platform::AppContext& c) : StandInDialog(c, 2) {
        txtLastName = AddBox("txtLastName");
        txtName = AddBox("txtName");
        txtYearBirth = AddBox("txtYearBirth");
        for (int i = 0; i <= 1; ++i) {
            sex[i] = new QRadioButton(this);
            sex[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
            layout()->addWidget(sex[i]);
        }
        txtWeight = AddBox("txtWeight");
        txtHeight = AddBox("txtHeight");
        for (int i = 0; i <= 2; ++i) AddLabel(("Label16(" + std::to_string(i) + ")").c_str());
        AddLabel("lblNumUser");
        AddButton("cmdRegist", 1);
        AddButton("cmdClose", 2);
    }

    QLineEdit *txtLastName, *txtName, *txtYearBirth, *txtWeight, *txtHeight;
    QRadioButton* sex[2];

protected:
    void Finish(int result) override {
        if (result == 1) {
            state::SharedState& s = context_.state;
            s.userLastName = txtLastName->text().toStdString();
            s.userFirstName = txtName->text().toStdString();
            s.userYearBirth = base::CIntText(txtYearBirth->text().toStdString());
            s.userSex = sex[1]->isChecked() ? "f" : "m";
            s.userHeight = static_cast<float>(base::Val(txtHeight->text().toStdString()));
            s.userWeight = base::CIntText(txtWeight->text().toStdString());
        }
        StandInDialog::Finish(result);
    }
};

inline void RegisterStandInDialogs(platform::Forms& forms, const StandInProfile& profile = {}) {
    forms.Register("frmChoice", [](platform::AppContext& c) { return new StandInChoice(c); });
    forms.Register("frmAbort", [](platform::AppContext& c) { return new StandInAbort(c); });
    forms.Register("frmLogin", [profile](platform::AppContext& c) { return new StandInLogin(c, profile); });
    forms.Register("frmRegist", [](platform::AppContext& c) { return new StandInRegist(c); });
}

// Clicks a button of a dialog by its objectName.
inline void ClickButton(QDialog& dialog, const char* name) {
    if (auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name))) button->click();
}

}  // namespace testsupport
