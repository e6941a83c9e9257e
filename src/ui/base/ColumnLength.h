#pragma once

#include <QString>

class QLineEdit;

namespace kvr::data {
class CachedDataset;
} // namespace kvr::data

namespace kvr::ui {

// Lets a grid cell's edit take no more characters than the column of the dataset's field holds
// (the column the dataset's insert, or modify, statement writes the field into), so that a long
// text stops while it is typed instead of being refused when the document is saved.
void limitToField(QLineEdit* edit, data::CachedDataset& dataset, const QString& field);

} // namespace kvr::ui
