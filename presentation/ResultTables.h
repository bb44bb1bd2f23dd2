#pragma once

#include <QTableWidgetItem>

namespace daz {

// A cell of the results' tables: shown, never edited or selected.
inline QTableWidgetItem* ResultItem(const QString& text, Qt::Alignment alignment = Qt::AlignCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace daz
