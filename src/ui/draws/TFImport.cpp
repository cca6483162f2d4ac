#include "ui/draws/TFImport.h"

#include "engine/core/DrawStore.h"
#include "engine/core/SafeFile.h"
#include "engine/core/TextEncoding.h"
#include "text/AppLocale.h"
#include "text/DataFolder.h"
#include "text/DateText.h"
#include "text/DrawListText.h"
#include "ui/draws/ImportPreviewModel.h"
#include "ui/frame/AppContext.h"
#include "ui/frame/ErrorReport.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/ScreenFit.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace qv {
namespace {

QString Day(TDate date) {
    return FormatDate(date, AppLocale());
}

QString GapText(const HistoryGap& gap) {
    if (gap.missingDays == 1) {
        return QStringLiteral("Lücke: der %1 fehlt.").arg(Day(gap.after + 1));
    }
    return QStringLiteral("Lücke: %1 Tage fehlen zwischen %2 und %3.")
        .arg(gap.missingDays)
        .arg(Day(gap.after), Day(gap.before));
}

QString DoubledImportText(const DoubledImport& doubled) {
    return doubled.sameNumbers
               ? QStringLiteral("%1 steht schon in der Ziehungsliste (gleiche Zahlen); nicht übernommen.")
                     .arg(Day(doubled.date))
               : QStringLiteral("%1 steht schon mit anderen Zahlen in der Ziehungsliste; nicht übernommen.")
                     .arg(Day(doubled.date));
}

QString BadLinesText(std::size_t count) {
    return count == 1 ? QStringLiteral("eine fehlerhafte Zeile") : QStringLiteral("%1 fehlerhafte Zeilen").arg(count);
}

QListWidget* NamedList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumHeight(70);
    return list;
}

} // namespace

TFImport* TFImport::Prepare(AppContext& context, QWidget* parent) {
    FileDialogRequest request;
    request.title = QStringLiteral("Ziehungen importieren");
    request.filter = QStringLiteral("Text-Dateien|*.txt;*.csv");
    request.defaultExtension = QStringLiteral("csv");
    request.startFolder = FromPath(context.state.DataFolder);
    const auto chosen = context.ports.fileDialogs.OpenOne(request);
    if (!chosen) {
        return nullptr;
    }
    TFImport* preview = nullptr;
    Guarded(context.ports.messages, [&] {
        const auto bytes = ReadWholeFile(ToPath(*chosen), kMaxTextFileBytes);
        if (!bytes) {
            context.ports.messages.Error(
                QStringLiteral("Die Datei\r%1\rwurde nicht gefunden.\r\rIch breche erst einmal ab.").arg(*chosen));
            return;
        }
        const std::string text =
            DecodeText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        preview = new TFImport(context, QFileInfo(*chosen).fileName(), ParseDrawHistory(text), parent);
    });
    return preview;
}

TFImport::TFImport(AppContext& context, const QString& fileName, DrawImport parsed, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_parsed(std::move(parsed))
    , m_summary(new QLabel(this))
    , m_draws(new QTableView(this))
    , m_badLines(NamedList(QStringLiteral("LBFehler"), this))
    , m_notes(NamedList(QStringLiteral("LBHinweise"), this))
    , m_merge(new QRadioButton(QStringLiteral("Fehlende &Tage ergänzen"), this))
    , m_replace(new QRadioButton(QStringLiteral("Ziehungsliste &ersetzen"), this)) {
    setObjectName(QLatin1String(kFormName));
    setWindowTitle(QStringLiteral("Ziehungen importieren"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* file = new QLabel(QStringLiteral("Datei: %1").arg(fileName), this);
    file->setObjectName(QStringLiteral("LDatei"));
    m_summary->setObjectName(QStringLiteral("LZusammenfassung"));
    m_summary->setWordWrap(true);
    const std::size_t bad = m_parsed.problems.size();
    QString summary = DrawsText(static_cast<qint64>(m_parsed.draws.size())) + QStringLiteral(" verstanden");
    if (!m_parsed.draws.empty()) {
        summary +=
            QStringLiteral(", vom %1 bis %2").arg(Day(m_parsed.draws.front().datum), Day(m_parsed.draws.back().datum));
    }
    summary +=
        bad == 0 ? QStringLiteral(".") : QStringLiteral("; %1: so wird nichts übernommen.").arg(BadLinesText(bad));
    m_summary->setText(summary);

    m_draws->setObjectName(QStringLiteral("GZiehungen"));
    m_draws->setModel(new ImportPreviewModel(m_parsed.draws, AppLocale(), m_draws));
    m_draws->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_draws->setTabKeyNavigation(false); // Tab leaves the grid, the arrows move inside
    m_draws->verticalHeader()->setDefaultSectionSize(20);
    m_draws->horizontalHeader()->setDefaultSectionSize(30);
    m_draws->setColumnWidth(0, 90);
    m_draws->setMinimumSize(90 + 20 * 30 + 60, 180);

    for (const ImportProblem& problem : m_parsed.problems) {
        m_badLines->addItem(
            QStringLiteral("Zeile %1: %2").arg(problem.line).arg(QString::fromStdString(problem.message)));
    }
    if (bad == 0) {
        m_badLines->addItem(QStringLiteral("keine"));
    }

    auto* choice = new QGroupBox(QStringLiteral("Übernahme"), this);
    choice->setObjectName(QStringLiteral("RGUebernahme"));
    m_merge->setObjectName(QStringLiteral("RBErgaenzen"));
    m_replace->setObjectName(QStringLiteral("RBErsetzen"));
    m_merge->setChecked(true);
    auto* choiceLayout = new QHBoxLayout(choice);
    choiceLayout->addWidget(m_merge);
    choiceLayout->addWidget(m_replace);
    choiceLayout->addStretch(1);

    auto* import = Button(QStringLiteral("BImportieren"), QStringLiteral("&Importieren"), this);
    auto* cancel = Button(QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"), this);
    // A file with a bad line, or without a draw, brings nothing: only "Abbrechen" is offered then.
    const bool importable = bad == 0 && !m_parsed.draws.empty();
    import->setEnabled(importable);
    import->setDefault(importable);
    cancel->setDefault(!importable);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(import);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(m_summary);
    layout->addWidget(BuddyLabel(QStringLiteral("&Verstandene Zeilen:"), m_draws, this));
    layout->addWidget(m_draws, 3);
    layout->addWidget(BuddyLabel(QStringLiteral("&Fehlerhafte Zeilen:"), m_badLines, this));
    layout->addWidget(m_badLines, 1);
    layout->addWidget(BuddyLabel(QStringLiteral("&Hinweise zur Ziehungsliste danach:"), m_notes, this));
    layout->addWidget(m_notes, 1);
    layout->addWidget(choice);
    layout->addLayout(buttons);

    connect(m_merge, &QRadioButton::toggled, this, &TFImport::ShowNotes);
    connect(import, &QPushButton::clicked, this, &TFImport::Import);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowNotes();
    resize(OpeningSize(*this, sizeHint().expandedTo(QSize(800, 620))));
}

bool TFImport::Replacing() const {
    return m_replace->isChecked();
}

MergedHistory TFImport::Result() const {
    if (Replacing()) {
        MergedHistory replaced;
        replaced.draws = m_parsed.draws;
        replaced.added = replaced.draws.size();
        return replaced;
    }
    return MergeDrawHistory(m_context.state.DrawList, m_parsed.draws);
}

void TFImport::ShowNotes() {
    m_notes->clear();
    for (const ImportProblem& skipped : m_parsed.skipped) {
        m_notes->addItem(QStringLiteral("Zeile %1: %2").arg(skipped.line).arg(QString::fromStdString(skipped.message)));
    }
    const MergedHistory result = Result();
    for (const DoubledImport& doubled : result.doubled) {
        m_notes->addItem(DoubledImportText(doubled));
    }
    const HistoryCheck check = CheckDailyHistory(result.draws);
    for (const TDate date : check.doubledDates) {
        m_notes->addItem(QStringLiteral("Doppeltes Datum in der Ziehungsliste: %1.").arg(Day(date)));
    }
    // The gaps at the imported days come first; the history's older ones only as a count.
    std::vector<HistoryGap> near;
    if (!m_parsed.draws.empty()) {
        near = GapsAround(check.gaps, m_parsed.draws.front().datum, m_parsed.draws.back().datum);
    }
    // Days missing from the history first; the lone Sundays of the years with six draws a week as one line.
    std::vector<HistoryGap> sundays;
    for (const HistoryGap& gap : near) {
        if (IsLoneSunday(gap)) {
            sundays.push_back(gap);
        } else {
            m_notes->addItem(GapText(gap));
        }
    }
    if (sundays.size() == 1) {
        m_notes->addItem(GapText(sundays.front()));
    } else if (!sundays.empty()) {
        m_notes->addItem(QStringLiteral("Dazu %1 einzelne Sonntage ohne Ziehung zwischen %2 und %3 (Jahre, in denen "
                                        "an sechs Tagen der Woche gezogen wurde).")
                             .arg(sundays.size())
                             .arg(Day(sundays.front().after + 1), Day(sundays.back().after + 1)));
    }
    if (check.gaps.size() > near.size()) {
        long long days = 0;
        for (const HistoryGap& gap : check.gaps) {
            days += gap.missingDays;
        }
        for (const HistoryGap& gap : near) {
            days -= gap.missingDays;
        }
        m_notes->addItem(QStringLiteral("Weitere Lücken in der übrigen Ziehungsliste: %1, zusammen %2 Tage.")
                             .arg(check.gaps.size() - near.size())
                             .arg(days));
    }
    if (!m_parsed.problems.empty()) {
        return; // nothing comes of this file: no count of draws that would come
    }
    m_notes->insertItem(0, QStringLiteral("%1 %2 hinzu; danach hält die Ziehungsliste %3.")
                               .arg(DrawsText(static_cast<qint64>(result.added)),
                                    result.added == 1 ? QStringLiteral("kommt") : QStringLiteral("kommen"),
                                    DrawsText(static_cast<qint64>(result.draws.size()))));
}

void TFImport::Import() {
    Messages& messages = m_context.ports.messages;
    if (!m_parsed.problems.empty()) {
        messages.Error(QStringLiteral("Die Datei hat %1; es wird nichts übernommen.\r\rIch breche erst einmal ab.")
                           .arg(BadLinesText(m_parsed.problems.size())));
        return;
    }
    if (m_parsed.draws.empty()) {
        messages.Error(QStringLiteral("In der Datei steht keine Ziehung; es wird nichts übernommen."));
        return;
    }
    ProgramState& state = m_context.state;
    const MergedHistory result = Result();
    bool fits = false;
    Guarded(messages, [&] {
        // Refused before the question: a history the program could not read again is never written.
        CheckDrawCountForSave(state.DataFolder / kDrawFileName, result.draws.size());
        fits = true;
    });
    if (!fits) {
        return;
    }
    if (Replacing() &&
        messages.YesNo(
            QStringLiteral("Die Ziehungsliste mit %1 wird durch die %2 der Datei ersetzt.\r\rWirklich ersetzen?")
                .arg(DrawsText(static_cast<qint64>(state.DrawList.size())),
                     DrawsText(static_cast<qint64>(result.draws.size())))) != Messages::Answer::Yes) {
        return;
    }
    if (!Replacing() && result.added == 0) {
        messages.Information(
            QStringLiteral("Alle Ziehungen der Datei stehen schon in der Ziehungsliste; es wurde nichts geändert."));
        accept();
        return;
    }
    bool saved = false;
    Guarded(messages, [&] {
        // The history in memory changes only once the file holds it.
        SaveDraws(state.DataFolder / kDrawFileName, result.draws);
        saved = true;
    });
    if (!saved) {
        return;
    }
    state.DrawList = result.draws;
    BuildDerivedArrays(state);
    messages.Information(
        QStringLiteral("%1 übernommen; die Ziehungsliste hält jetzt %2.")
            .arg(DrawsText(static_cast<qint64>(result.added)), DrawsText(static_cast<qint64>(result.draws.size()))));
    emit Imported();
    accept();
}

} // namespace qv
