// Dialogs answered from a script: each question takes the next answer of its
// kind, and everything asked is recorded for the test to check.
#pragma once

#include <QStringList>

#include <deque>

#include "workbench/form/dialogs.h"

class ScriptedDialogs : public Dialogs {
public:
    std::deque<bool> confirms;
    std::deque<std::optional<QString>> texts;
    std::deque<QString> files;
    QStringList asked;    // questions, prompts and filters, in order
    QStringList errors;
    QStringList notes;

    bool Confirm(const QString& question) override {
        asked << question;
        return Take(confirms, false);
    }
    std::optional<QString> AskText(const QString& title, const QString& prompt, const QString& initial) override {
        asked << title + "|" + prompt + "|" + initial;
        return Take(texts, std::optional<QString>());
    }
    QString OpenFileName(const QString& filter) override {
        asked << "open " + filter;
        return Take(files, QString());
    }
    QString SaveFileName(const QString& filter) override {
        asked << "save " + filter;
        return Take(files, QString());
    }
    void Error(const QString& text) override { errors << text; }
    void Inform(const QString& text) override { notes << text; }

private:
    // An empty script answers as a user who cancels.
    template <typename T>
    static T Take(std::deque<T>& script, T fallback) {
        if (script.empty()) return fallback;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};
