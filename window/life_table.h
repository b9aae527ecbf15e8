// SPDX-License-Identifier: MIT
#pragma once

#include "core/life_rows.h"

#include <QTableView>

#include <vector>

class QAction;

namespace erakon {

class LifeRowsModel;

// The rows of a life in a read-only table: 項目, 和暦, 西暦, and beside a 厄年
// of the as-of year its mark. Headings, cohorts and notes run across the
// whole width, the notes wrapped. Ctrl+C (or コピー in its menu) copies the
// selected rows as text, a line each, their cells separated by tabs.
class LifeTable final : public QTableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LifeTable)

public:
    explicit LifeTable(QWidget* parent = nullptr);
    ~LifeTable() override;

    void showRows(std::vector<LifeRow> rows);
    const std::vector<LifeRow>& rows() const;

    // The selected rows in their order, each line ending in a line feed;
    // empty when none is selected.
    QString selectedRowsText() const;
    // Puts selectedRowsText() on the clipboard; nothing when none is selected.
    void copySelectedRows();

    // Spanned rows neither widen a column nor stand on one line: they wrap
    // within the width of the columns they span.
    int sizeHintForColumn(int column) const override;
    int sizeHintForRow(int row) const override;

private:
    void fitRows();

    LifeRowsModel* m_model;
    QAction* m_copyAction;
    QAction* m_selectAllAction;
};

} // namespace erakon
