// SPDX-License-Identifier: MIT
#include "window/table_page.h"

#include "core/clock.h"
#include "core/era_table.h"
#include "core/table_line.h"
#include "widgets/control_hint.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace erakon {
namespace {

// The table box: a plain-text box in which Enter adds no line break, the
// selection keeps its colours without focus, and a double-click reports
// itself after the box has selected the word under the pointer.
class YearTableBox final : public QPlainTextEdit {
public:
    explicit YearTableBox(QWidget* parent)
        : QPlainTextEdit(parent)
    {
        keepSelectionColours();
    }

    std::function<void()> onDoubleClick;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        if (onDoubleClick)
            onDoubleClick();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // Left to the window, as in a box that does not want returns.
            event->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    void changeEvent(QEvent* event) override
    {
        QPlainTextEdit::changeEvent(event);
        // A new style brings a new palette; the inactive colours follow it.
        if (event->type() == QEvent::PaletteChange)
            keepSelectionColours();
    }

private:
    // The selected year must stay visible when the focus is elsewhere, so the
    // inactive selection is drawn like the active one.
    void keepSelectionColours()
    {
        QPalette colours = palette();
        bool changed = false;
        for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
            const QBrush active = colours.brush(QPalette::Active, role);
            if (colours.brush(QPalette::Inactive, role) != active) {
                colours.setBrush(QPalette::Inactive, role, active);
                changed = true;
            }
        }
        if (changed)
            setPalette(colours); // the PaletteChange it sends finds nothing to do
    }
};

struct YearRange {
    int first;
    int last;
};

// From the first era's first year to the latest era's 99th, kept to the
// years the program handles whatever the offsets hold.
YearRange tableYears(int firstEraOffset, int latestEraOffset)
{
    const auto clampYear = [](long long year) { return int(std::clamp<long long>(year, kMinYear, kMaxYear)); };
    return {clampYear(static_cast<long long>(firstEraOffset) + 1),
            clampYear(static_cast<long long>(latestEraOffset) + kYearTableLastEraYear)};
}

// Lines of the text; the empty line after the last line break is not one.
int lineCountOf(const QTextDocument& document)
{
    const int blocks = document.blockCount();
    return document.lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

// True when the box already shows this very text and nobody has touched it
// since: setting it again would only throw away the layout of the lines, and
// the table looks exactly as a fresh build would leave it.
bool holdsUneditedText(const QTextDocument& document, const QString& text)
{
    return !document.isUndoAvailable() && !document.isRedoAvailable() && document.toPlainText() == text;
}

constexpr int kPageMargin = 3;

} // namespace

TablePage::TablePage(const Clock& clock, const ModernEras& eras, QWidget* parent)
    : QWidget(parent)
    , m_yearTable(new YearTableBox(this))
    , m_clock(clock)
    , m_eras(eras)
    , m_showEto([] { return false; })
    , m_firstEraOffset([offset = eraOffsetOf(eras.all().front())] { return offset; })
    , m_latestEraOffset([offset = eraOffsetOf(eras.all().back())] { return offset; })
{
    m_yearTable->setObjectName(QStringLiteral("yearTable"));
    m_yearTable->setFrameShape(QFrame::NoFrame);
    m_yearTable->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_yearTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_yearTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHint(m_yearTable, QStringLiteral("Year Table"));
    static_cast<YearTableBox*>(m_yearTable)->onDoubleClick = [this] { lineDoubleClicked(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    layout->addWidget(m_yearTable);
}

TablePage::~TablePage() = default;

void TablePage::setShowEtoSource(std::function<bool()> showEto)
{
    if (showEto)
        m_showEto = std::move(showEto);
}

void TablePage::setOffsetSources(std::function<int()> firstEraOffset, std::function<int()> latestEraOffset)
{
    if (firstEraOffset)
        m_firstEraOffset = std::move(firstEraOffset);
    if (latestEraOffset)
        m_latestEraOffset = std::move(latestEraOffset);
}

void TablePage::build(const QString& searchText)
{
    // One current year for the whole build: a build that runs across New
    // Year's midnight must not mix two years in the distance column.
    const int currentYear = m_clock.currentYear();
    const bool showEto = m_showEto();
    const YearRange years = tableYears(m_firstEraOffset(), m_latestEraOffset());
    const std::vector<std::string> lines = YearTableLines(years.first, years.last, currentYear, showEto, m_eras.all());
    const YearTableSelection selection = selectYearTableLines(lines, searchText.toStdString());

    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n'; // the box keeps one empty line after the last one
    }

    // One repaint per build, however the text and selection change meanwhile.
    m_yearTable->setUpdatesEnabled(false);
    const auto resumeUpdates = qScopeGuard([this] { m_yearTable->setUpdatesEnabled(true); });

    const QString newText = QString::fromStdString(text);
    if (!holdsUneditedText(*m_yearTable->document(), newText))
        m_yearTable->setPlainText(newText);
    if (selection.lineCount == 0)
        return;

    // Scrolled before the selection is made, so that the box finds the caret
    // in view and lays out no other part of the text.
    centreLine(int(selection.firstLine));
    selectLines(int(selection.firstLine), int(selection.lineCount));
}

void TablePage::selectLines(int firstLine, int lineCount)
{
    QTextDocument* document = m_yearTable->document();
    const QTextBlock first = document->findBlockByNumber(firstLine);
    const QTextBlock last = document->findBlockByNumber(firstLine + lineCount - 1);
    if (!first.isValid() || !last.isValid())
        return;
    // Through the last line's line break, which the document's end lacks.
    const int end = std::min(last.position() + last.length(), document->characterCount() - 1);
    QTextCursor cursor(document);
    cursor.setPosition(first.position());
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    m_yearTable->setTextCursor(cursor);
}

void TablePage::centreLine(int line)
{
    const int lineHeight = std::max(1, m_yearTable->fontMetrics().height());
    const int visibleLines = m_yearTable->viewport()->height() / lineHeight;
    // From the first line down by this many lines; the scroll bar keeps the
    // value within the text, never above the first line nor past the end.
    QScrollBar* bar = m_yearTable->verticalScrollBar();
    bar->setValue(std::max(0, line - visibleLines / 2));
}

void TablePage::lineDoubleClicked()
{
    QTextDocument* document = m_yearTable->document();
    const QTextBlock block = document->findBlock(m_yearTable->textCursor().selectionStart());
    if (!block.isValid() || block.blockNumber() >= lineCountOf(*document))
        return;
    const QString line = block.text();
    if (line.isEmpty())
        return;

    QTextCursor wholeLine(document);
    wholeLine.setPosition(block.position());
    wholeLine.setPosition(block.position() + int(line.size()), QTextCursor::KeepAnchor);
    m_yearTable->setTextCursor(wholeLine);

    const qsizetype tab = line.indexOf(u'\t');
    if (tab < 0)
        return;
    emit yearChosen(line.mid(tab + 1, 4));
}

QString TablePage::tableText() const { return m_yearTable->toPlainText().replace(u'\n', QStringLiteral("\r\n")); }

QString TablePage::selectedTableText() const
{
    return m_yearTable->textCursor().selectedText().replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
}

} // namespace erakon
