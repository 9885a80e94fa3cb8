#include "platform/program_directory.h"

#include <QCoreApplication>

std::string ProgramDirectory() {
    return QCoreApplication::applicationDirPath().toLocal8Bit().toStdString() + "/";
}
