#pragma once

#include <algorithm>

#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace daz {

// A cell of the results' tables: shown, never edited or selected.
inline QTableWidgetItem* ResultItem(const QString& text, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// Keeps a table at least as wide as its columns need to show their titles
// and cells whole: stretched columns share the room equally, so each of
// them needs the widest one's width. Room for a scroll bar is kept where
// the rows may scroll.
inline void KeepColumnsWhole(QTableWidget& table)
{
    const QHeaderView* header = table.horizontalHeader();
    int width = 2 * table.frameWidth();
    int stretched = 0;
    int widestStretched = 0;
    for (int column = 0; column < table.columnCount(); ++column) {
        int needed = header->sectionSizeHint(column);
        for (int row = 0; row < table.rowCount(); ++row) {
            needed = std::max(needed, table.sizeHintForIndex(table.model()->index(row, column)).width());
        }
        if (header->sectionResizeMode(column) == QHeaderView::Stretch) {
            ++stretched;
            widestStretched = std::max(widestStretched, needed);
        } else {
            width += needed;
        }
    }
    // Stretched columns share the room in whole pixels: one each to spare.
    width += stretched * (widestStretched + 1);
    if (!table.verticalHeader()->isHidden()) {
        width += table.verticalHeader()->sizeHint().width();
    }
    if (table.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
        width += table.verticalScrollBar()->sizeHint().width();
    }
    table.setMinimumWidth(width);
}

} // namespace daz
