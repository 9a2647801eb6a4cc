#pragma once
// Why reading a project file stopped, at the index of the element it stopped at.

#include <QString>

#include <stdexcept>

namespace projectfile {

class FileError : public std::runtime_error {
public:
    FileError(int index, const QString &reason) : std::runtime_error(reason.toStdString()), m_index(index) {}
    int index() const { return m_index; }
    QString reason() const { return QString::fromStdString(what()); }

private:
    int m_index;
};

} // namespace projectfile
