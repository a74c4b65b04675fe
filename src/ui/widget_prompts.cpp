#include "ui/widget_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace rse {

Prompts::Answer WidgetPrompts::Message(QWidget* parent, const QString& text, const QString& title,
                                       Icon icon, Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QString WidgetPrompts::OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString WidgetPrompts::SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& folder) {
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

}  // namespace rse
