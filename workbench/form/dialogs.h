// The questions and messages the window puts to its user. The program shows
// real dialogs; tests answer them from a script.
#pragma once

#include <QString>

#include <optional>

class QWidget;

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question answered Yes (true) or No.
    virtual bool Confirm(const QString& question) = 0;
    // A line of text; nothing when the user cancels.
    virtual std::optional<QString> AskText(const QString& title, const QString& prompt, const QString& initial) = 0;
    // A file to read or to write, chosen under `filter` ("Rom image (*.rom)");
    // empty when the user cancels.
    virtual QString OpenFileName(const QString& filter) = 0;
    virtual QString SaveFileName(const QString& filter) = 0;
    // An error with an Abort button.
    virtual void Error(const QString& text) = 0;
    // Something the user should know, with an OK button.
    virtual void Inform(const QString& text) = 0;
};

// Modal Qt dialogs owned by the window once it is set.
class QtDialogs : public Dialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    bool Confirm(const QString& question) override;
    std::optional<QString> AskText(const QString& title, const QString& prompt, const QString& initial) override;
    QString OpenFileName(const QString& filter) override;
    QString SaveFileName(const QString& filter) override;
    void Error(const QString& text) override;
    void Inform(const QString& text) override;

private:
    QWidget* parent_ = nullptr;
};
