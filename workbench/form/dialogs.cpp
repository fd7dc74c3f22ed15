#include "workbench/form/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// The caption of the message boxes: the program's name.
QString Caption() { return QApplication::applicationName(); }

}  // namespace

bool QtDialogs::Confirm(const QString& question) {
    return QMessageBox::question(parent_, Caption(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<QString> QtDialogs::AskText(const QString& title, const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString QtDialogs::OpenFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

QString QtDialogs::SaveFileName(const QString& filter) {
    // The commands add the extension themselves, so the dialog must not.
    return QFileDialog::getSaveFileName(parent_, QString(), QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtDialogs::Error(const QString& text) {
    QMessageBox::critical(parent_, Caption(), text, QMessageBox::Abort);
}

void QtDialogs::Inform(const QString& text) { QMessageBox::information(parent_, Caption(), text); }
