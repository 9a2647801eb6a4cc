#pragma once
// The print grid: the batch expanded to one record per label to print. A record printed q times is
// held once with the running count of labels up to it, so the grid takes memory in proportion to
// its records however many labels they make, and the record of label i is found by binary search.
// Copies share their data (implicitly shared lists), so a batch snapshot takes the grid without
// copying it.

#include "io/ValueRecord.h"

#include <QList>

#include <optional>

class PrintGrid {
public:
    // Appends a record printed copies times; none for copies below 1. The label count stops at the
    // int maximum.
    void append(const ValueRecord &record, qint64 copies);
    void clear();

    // The number of labels, and of distinct records.
    int size() const;
    int recordCount() const { return int(m_records.size()); }
    bool isEmpty() const { return m_records.isEmpty(); }

    // The record of label i (0-based); nothing outside 0..size()-1.
    std::optional<ValueRecord> record(int label) const;
    // The index of the distinct record that label i belongs to, -1 outside the grid.
    int recordIndexOf(int label) const;

private:
    QList<ValueRecord> m_records;
    QList<qint64> m_ends;   // labels up to and including each record
};
