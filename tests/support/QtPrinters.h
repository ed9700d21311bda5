#pragma once
// Readable failure messages for Qt values in GoogleTest assertions.

#include "web/DateTimeText.h"

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << '(' << rect.x() << ", " << rect.y() << ") " << rect.width() << " x " << rect.height();
}

inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toStdString() << '"'; }

inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < list.size(); ++i) *out << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *out << '}';
}

inline void PrintTo(const QDateTime& moment, std::ostream* out) {
    *out << moment.toString(Qt::ISODateWithMs).toStdString();
}

namespace modHelp {
inline void PrintTo(const StoredMoment& moment, std::ostream* out) {
    *out << moment.date.toString(Qt::ISODate).toStdString() << ' ' << moment.time.toString(Qt::ISODateWithMs).toStdString();
}
}  // namespace modHelp
