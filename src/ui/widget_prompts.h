// Prompts shown with QMessageBox and QFileDialog.
#pragma once

#include "ui/prompts.h"

namespace rse {

class WidgetPrompts : public Prompts {
  public:
    Answer Message(QWidget* parent, const QString& text, const QString& title, Icon icon,
                   Buttons buttons = Buttons::Ok) override;
    int Choose(QWidget* parent, const QString& text, const QString& title, Icon icon,
               const QStringList& buttons, int defaultButton) override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
    QString AppendFileName(QWidget* parent, const QString& title, const QString& filter,
                           const QString& path) override;
};

}  // namespace rse
