#include <QCoreApplication>
#include <algorithm>

#include "base/EngineError.h"
#include "store/engine/TableImpl.h"
#include "store/engine/TableSchema.h"

namespace store {

void Table::Impl::sync()
{
    const std::vector<detail::Row>& rows = shared->rows();
    if (!orderBuilt || orderVersion != shared->version()) {
        order = detail::orderBy(rows, indexColumns, indexCaseInsensitive, tieColumns);
        orderVersion = shared->version();
        orderBuilt = true;
        if (positioned) {
            // Stay on the current row; when it is gone, on the row that took its place.
            int found = -1;
            for (int i = 0; i < int(order.size()) && found < 0; ++i)
                if (rows[order[i]].id == currentId)
                    found = i;
            pos = found >= 0 ? found : std::min(pos, int(order.size()) - 1);
            if (order.empty())
                eof = true;
            moveTo(std::max(pos, 0));
        }
    }
    if (!positioned) {
        positioned = true;
        moveTo(0);
        eof = order.empty();
    }
}

void Table::Impl::moveTo(int position)
{
    pos = position;
    currentId = position < int(order.size()) ? shared->rows()[order[position]].id : 0;
}

const detail::Row* Table::Impl::currentRow()
{
    // The current row is found by its id, without ordering the rows anew after a change.
    if (positioned && currentId != 0)
        if (const detail::Row* row = shared->rowById(currentId))
            return row;
    sync();
    return order.empty() ? nullptr : &shared->rows()[order[pos]];
}

void Table::Impl::selectIndex(const QString& name)
{
    const std::optional<IndexDef> index = shared->findIndex(name);
    if (!index)
        throw base::EngineError(QCoreApplication::translate("Engine", "Index does not exist. Index: %1").arg(name));
    std::vector<int> key = detail::keyColumns(shared->keyFieldCount());
    indexColumns = index->primary ? key : detail::indexColumns(shared->fields(), *index);
    tieColumns = index->primary ? std::vector<int>{} : std::move(key);
    indexCaseInsensitive = index->caseInsensitive;
    orderBuilt = false;
}

bool Table::Impl::checkBrowseMode()
{
    if (state != TableState::Edit && state != TableState::Insert)
        return false;
    Quiet quiet(*this);
    if (modified)
        q->Post();
    else
        q->Cancel();
    return true;
}

void Table::SetIndexName(const QString& name)
{
    if (d->state != TableState::Inactive) {
        d->checkBrowseMode();
        d->selectIndex(name);
        d->sync();
        d->announce();
    }
    d->indexName = name;
}

QString Table::IndexName() const
{
    return d->indexName;
}

void Table::First()
{
    d->requireActive();
    d->checkBrowseMode();
    d->sync();
    d->moveTo(0);
    d->eof = d->order.empty();
    d->announce();
}

void Table::Next()
{
    d->requireActive();
    d->checkBrowseMode();
    d->sync();
    if (d->pos + 1 < int(d->order.size())) {
        d->moveTo(d->pos + 1);
        d->eof = false;
    } else {
        d->eof = true;
    }
    d->announce();
}

bool Table::Eof() const
{
    if (d->state == TableState::Inactive)
        return true;
    d->sync();
    return d->eof || d->order.empty();
}

int Table::RecordCount() const
{
    d->requireActive();
    return int(d->shared->rows().size());
}

int Table::RecNo() const
{
    if (d->state == TableState::Inactive || d->state == TableState::Insert)
        return 0;
    d->sync();
    return d->order.empty() ? 0 : d->pos + 1;
}

void Table::SetRecNo(int recNo)
{
    d->requireActive();
    d->checkBrowseMode();
    d->sync();
    if (recNo < 1 || recNo > int(d->order.size()))
        throw base::EngineError(QCoreApplication::translate("Engine", "Record number %1 is out of range (1 to %2)")
                                    .arg(recNo)
                                    .arg(d->order.size()));
    d->moveTo(recNo - 1);
    d->eof = false;
    d->announce();
}

bool Table::FindKey(const QVariantList& key)
{
    d->requireActive();
    const bool posted = d->checkBrowseMode();
    const int keyCount = d->shared->keyFieldCount();
    if (keyCount == 0)
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Table has no primary index: %1").arg(d->shared->path()));
    if (key.isEmpty() || key.size() > keyCount)
        throw base::EngineError(
            QCoreApplication::translate("Engine", "A key of this table has 1 to %1 values").arg(keyCount));
    std::vector<px::Value> values;
    for (int i = 0; i < key.size(); ++i)
        values.push_back(detail::keyValueOf(d->columnOf(i), key[i]));
    d->sync();
    const std::vector<detail::Row>& rows = d->shared->rows();
    for (int i = 0; i < int(d->order.size()); ++i) {
        if (detail::matchesKey(rows[d->order[i]], values)) {
            d->moveTo(i);
            d->eof = false;
            d->announce();
            return true;
        }
    }
    if (posted)
        d->announce();
    return false;
}

void Table::Refresh()
{
    d->requireActive();
    d->checkBrowseMode();
    d->orderBuilt = false;
    d->sync();
    d->announce();
}

} // namespace store
