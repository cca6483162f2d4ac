#pragma once

#include <QWidget>

class QLineEdit;

namespace qv {

struct AppContext;

// The quick links ("Gewinnzahlen-Favoriten"): the two results pages the winning-number window opens.
// Created at start; it reads the quick-links file then and writes it when the user saves. Without a
// file there is no link: the player enters the pages he trusts.
class TFQlinks : public QWidget {
    Q_OBJECT

public:
    static constexpr const char* kFormName = "FQlinks";

    explicit TFQlinks(AppContext& context);

    // The handlers of the save and search buttons.
    void Save();
    void SearchTheWeb();

    // Shows the window modally, for a link panel without a link; closing makes it modeless again.
    void ShowModally();

signals:
    // ResultLink1 or ResultLink2 may have changed (also once after the file was read).
    void LinksChanged();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Load();

    AppContext& m_context;
    QLineEdit* m_link1;
    QLineEdit* m_link2;
};

} // namespace qv
