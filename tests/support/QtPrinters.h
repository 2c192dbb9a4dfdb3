#pragma once
// Lets GoogleTest print Qt values readably in failure messages. Every test
// source includes this header (cmake/Velmora.cmake force-includes it), so all
// translation units agree on how a QString is printed.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *out << (i ? ", " : "") << '"' << list.at(i).toStdString() << '"';
    *out << '}';
}
