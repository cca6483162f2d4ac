#pragma once

#include "platform/Messages.h"

#include <QMessageBox>

namespace qv {

// Message boxes over the active window. Their buttons speak German once the application has loaded
// Qt's German translation.
class QtMessages final : public Messages {
public:
    void Error(const QString& text) override;
    void Information(const QString& text) override;
    void Warning(const QString& text) override;
    Answer YesNo(const QString& text) override;
    Answer YesNoCancel(const QString& text) override;
    std::optional<QDate> ChooseDate(const QString& text, const QDate& preset) override;

private:
    static QMessageBox::StandardButton Show(QMessageBox::Icon icon, const QString& title, const QString& text,
                                            QMessageBox::StandardButtons buttons);
};

} // namespace qv
