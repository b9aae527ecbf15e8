// SPDX-License-Identifier: MIT
#include "window/life_table.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include <algorithm>
#include <array>
#include <utility>

namespace erakon {
namespace {

enum Column { LabelColumn, EraColumn, WesternColumn, MarkColumn, ColumnCount };

// The row's kind, for the delegate.
constexpr int kKindRole = Qt::UserRole;

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A heading, a cohort or a note: one text across the whole row.
bool runsAcross(const LifeRow& row)
{
    return row.kind == LifeRow::Kind::Heading || row.kind == LifeRow::Kind::Cohort || row.kind == LifeRow::Kind::Note;
}

// The row's cells from the left; those it leaves empty at the end are empty.
std::array<QString, ColumnCount> cellsOf(const LifeRow& row)
{
    std::array<QString, ColumnCount> cells;
    switch (row.kind) {
    case LifeRow::Kind::Heading:
    case LifeRow::Kind::Cohort:
    case LifeRow::Kind::Note: cells[LabelColumn] = QString::fromStdString(row.text()); break;
    case LifeRow::Kind::Value:
        cells[LabelColumn] = QString::fromStdString(row.label);
        cells[EraColumn] = QString::fromStdString(row.value);
        break;
    case LifeRow::Kind::When:
        cells[LabelColumn] = QString::fromStdString(row.label);
        cells[EraColumn] = QString::fromStdString(row.when.era);
        cells[WesternColumn] = QString::fromStdString(row.when.western);
        if (row.marked)
            cells[MarkColumn] = fromUtf8(kAsOfYearMark);
        break;
    }
    return cells;
}

// Headings stand out as bars in the colours of the style's buttons.
class LifeRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(kKindRole).toInt() != int(LifeRow::Kind::Heading))
            return;
        option->backgroundBrush = option->palette.brush(QPalette::Button);
        option->palette.setBrush(QPalette::Text, option->palette.brush(QPalette::ButtonText));
    }
};

} // namespace

class LifeRowsModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<LifeRow> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const std::vector<LifeRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : ColumnCount; }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        const LifeRow& row = m_rows[std::size_t(index.row())];
        switch (role) {
        case Qt::DisplayRole: return cellsOf(row)[std::size_t(index.column())];
        case Qt::FontRole: {
            if (row.kind != LifeRow::Kind::Heading && !row.marked)
                return {};
            // Only the weight: the rest comes from the table's font.
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case kKindRole: return int(row.kind);
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case LabelColumn: return QStringLiteral("項目");
        case EraColumn: return QStringLiteral("和暦");
        case WesternColumn: return QStringLiteral("西暦");
        default: return QString();
        }
    }

private:
    std::vector<LifeRow> m_rows;
};

LifeTable::LifeTable(QWidget* parent)
    : QTableView(parent)
    , m_model(new LifeRowsModel(this))
    , m_copyAction(new QAction(QStringLiteral("コピー"), this))
    , m_selectAllAction(new QAction(QStringLiteral("すべてを選択"), this))
{
    setModel(m_model);
    setItemDelegate(new LifeRowDelegate(this));
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(false);
    setWordWrap(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // The mark's column takes what the others leave, down to nothing: in a
    // narrow window the mark is cut short rather than the table scrolled.
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(MarkColumn, QHeaderView::Stretch);
    // The notes wrap within the width the columns take.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &LifeTable::fitRows);

    m_copyAction->setObjectName(QStringLiteral("copyRowsAction"));
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_copyAction, &QAction::triggered, this, &LifeTable::copySelectedRows);
    m_selectAllAction->setObjectName(QStringLiteral("selectAllRowsAction"));
    m_selectAllAction->setShortcut(QKeySequence::SelectAll);
    m_selectAllAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_selectAllAction, &QAction::triggered, this, &QAbstractItemView::selectAll);
    // Like a text box, the table offers its own commands where the rest of
    // the window opens the window's menu.
    addActions({m_copyAction, m_selectAllAction});
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

LifeTable::~LifeTable() = default;

void LifeTable::showRows(std::vector<LifeRow> rows)
{
    m_model->setRows(std::move(rows));
    clearSpans();
    const std::vector<LifeRow>& shown = m_model->rows();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (runsAcross(shown[i]))
            setSpan(int(i), LabelColumn, 1, ColumnCount);
    }
    for (const int column : {LabelColumn, EraColumn, WesternColumn})
        resizeColumnToContents(column);
    fitRows();
}

const std::vector<LifeRow>& LifeTable::rows() const { return m_model->rows(); }

void LifeTable::fitRows() { resizeRowsToContents(); }

int LifeTable::sizeHintForColumn(int column) const
{
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int width = 0;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (columnSpan(row, column) > 1)
            continue;
        const QModelIndex index = m_model->index(row, column);
        width = std::max(width, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return width;
}

int LifeTable::sizeHintForRow(int row) const
{
    if (columnSpan(row, LabelColumn) <= 1)
        return QTableView::sizeHintForRow(row);
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::WrapText;
    int spanWidth = 0;
    for (int column = 0; column < ColumnCount; ++column)
        spanWidth += columnWidth(column);
    option.rect.setWidth(std::max(1, spanWidth));
    const QModelIndex index = m_model->index(row, LabelColumn);
    return itemDelegateForIndex(index)->sizeHint(option, index).height();
}

QString LifeTable::selectedRowsText() const
{
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString text;
    for (const QModelIndex& index : selected) {
        std::array<QString, ColumnCount> cells = cellsOf(m_model->rows()[std::size_t(index.row())]);
        qsizetype used = ColumnCount;
        while (used > 1 && cells[std::size_t(used - 1)].isEmpty())
            --used;
        for (qsizetype i = 0; i < used; ++i) {
            if (i > 0)
                text += u'\t';
            text += cells[std::size_t(i)];
        }
        text += u'\n';
    }
    return text;
}

void LifeTable::copySelectedRows()
{
    const QString text = selectedRowsText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace erakon
