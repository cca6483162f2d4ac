#pragma once

#include <QWidget>

class QTextBrowser;

namespace qv {

// The help window: shows the program's help pages, one per topic number.
class TFHilfe : public QWidget {
    Q_OBJECT

public:
    explicit TFHilfe(QWidget* parent = nullptr);

    void ShowTopic(int context);
    int Topic() const { return m_topic; }
    QString PageTitle() const;

    // The address of a topic's page among the program's resources.
    static QString TopicUrl(int context);
    static bool HasTopic(int context);

private:
    QTextBrowser* m_browser;
    int m_topic = 0;
};

} // namespace qv
