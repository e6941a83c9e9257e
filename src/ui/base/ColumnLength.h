#pragma once

#include <QString>

class QLineEdit;

namespace kvr::data {
class CachedDataset;
class Connection;
} // namespace kvr::data

namespace kvr::ui {

// Lets an edit take no more characters than its column holds, so a long text stops while it is
// typed instead of being refused when the document is saved. An edit with a smaller limit keeps
// it; a column of unknown length (or a database not reachable yet) leaves the edit as it is.
void limitToColumn(QLineEdit* edit, data::Connection& connection, const QString& table, const QString& column);

// The same for a grid cell of a dataset's field: the column is the one the dataset's insert (or
// modify) statement writes the field into.
void limitToField(QLineEdit* edit, data::CachedDataset& dataset, const QString& field);

} // namespace kvr::ui
