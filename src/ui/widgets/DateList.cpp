#include "ui/widgets/DateList.h"

#include "text/AppLocale.h"
#include "text/DrawListText.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStringListModel>

namespace qv {
namespace {

// The list's own entries in reverse, so that completions offer the newest draws first.
class NewestFirst final : public QSortFilterProxyModel {
public:
    explicit NewestFirst(QObject* parent)
        : QSortFilterProxyModel(parent) {}

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override { return left.row() > right.row(); }
};

// Turns what was typed into a choice of an entry when the player is done typing.
class DateTyping final : public QObject {
public:
    explicit DateTyping(QComboBox& list)
        : QObject(&list)
        , m_list(list) {
        // Plain texts instead of the list's own items, which would cost a few hundred bytes a draw.
        QStringList entries;
        for (int i = 0; i < list.count(); ++i) {
            entries << list.itemText(i);
        }
        const int current = list.currentIndex();
        list.setModel(new QStringListModel(entries, &list));
        list.setCurrentIndex(current);
        list.setEditable(true);
        list.setInsertPolicy(QComboBox::NoInsert);

        auto* order = new NewestFirst(this);
        order->setSourceModel(list.model());
        order->setDynamicSortFilter(true);
        order->sort(0);
        m_completer = new QCompleter(order, this);
        m_completer->setCaseSensitivity(Qt::CaseInsensitive);
        m_completer->setFilterMode(Qt::MatchStartsWith);
        // Completed in the text itself, where a screen reader reads it, rather than in a popup.
        m_completer->setCompletionMode(QCompleter::InlineCompletion);
        list.setCompleter(m_completer);

        connect(list.lineEdit(), &QLineEdit::returnPressed, this, [this] { Choose(true); });
        list.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A popup (the list's own drop-down, the text's context menu) takes the focus only for show.
        if (watched == &m_list && event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            Choose(false);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // completing: whether a beginning of a date may stand for the newest date it begins.
    void Choose(bool completing) {
        const int current = m_list.currentIndex();
        const QString typed = m_list.currentText();
        if (current >= 0 && typed == m_list.itemText(current)) {
            return;
        }
        QStringList entries;
        entries.reserve(m_list.count());
        for (int i = 0; i < m_list.count(); ++i) {
            entries << m_list.itemText(i);
        }
        int entry = NearestDateEntry(entries, typed, AppLocale());
        if (entry < 0 && completing && !typed.trimmed().isEmpty()) {
            m_completer->setCompletionPrefix(typed.trimmed());
            if (m_completer->completionCount() > 0) {
                entry = FindDateEntry(entries, m_completer->currentCompletion());
            }
        }
        if (entry >= 0) {
            m_list.setCurrentIndex(entry);
            m_list.setEditText(m_list.itemText(entry));
            return;
        }
        // Nothing to choose: the text of the entry still chosen comes back.
        m_list.setEditText(current >= 0 ? m_list.itemText(current) : QString::fromUtf8(kChooseText));
    }

    QComboBox& m_list;
    QCompleter* m_completer = nullptr;
};

} // namespace

void MakeDateListEditable(QComboBox* list) {
    new DateTyping(*list);
}

void SetDateEntries(QComboBox* list, const QStringList& dates) {
    if (auto* entries = qobject_cast<QStringListModel*>(list->model())) {
        entries->setStringList(dates);
    } else {
        list->clear();
        list->addItems(dates);
    }
}

QComboBox* NewDateList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    MakeDateListEditable(list);
    list->setMinimumContentsLength(10);
    return list;
}

} // namespace qv
