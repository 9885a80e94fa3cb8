#include "platform/qt_text.h"

QString ToQString(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQString(const QString& text) {
    return text.toLocal8Bit().toStdString();
}
