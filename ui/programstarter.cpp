// Starts another program by the path the game knows it by, as the toolkit's Shell service does.
#include "programstarter.h"

#include "runtimeerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

// The fixed paths the game starts, and the programs that stand for them here.
struct ShippedProgram {
    const char* windowsPath;
    const char* fileName;
};
constexpr ShippedProgram kShippedPrograms[] = {
    {"C:\\windows\\winver.exe", "tictactoe-sysinfo"},
};

QString& programFolder()
{
    static QString folder;
    return folder;
}

QStringList searchFolders()
{
    const QString own = programFolder().isEmpty() ? QCoreApplication::applicationDirPath() : programFolder();
    return {own, QDir(own).filePath(QStringLiteral(TICTACTOE_LIBEXEC_FROM_BIN))};
}

} // namespace

void ProgramStarter::setProgramFolder(const QString& folder)
{
    programFolder() = folder;
}

QString ProgramStarter::resolve(const QString& path)
{
    for (const ShippedProgram& program : kShippedPrograms) {
        if (path.compare(QLatin1String(program.windowsPath), Qt::CaseInsensitive) != 0)
            continue;
        const QStringList folders = searchFolders();
        for (const QString& folder : folders) {
            const QString file = QDir::cleanPath(QDir(folder).filePath(QLatin1String(program.fileName)));
            if (QFileInfo::exists(file))
                return file;
        }
        return QDir::cleanPath(QDir(folders.last()).filePath(QLatin1String(program.fileName)));
    }
    return {};
}

qint64 ProgramStarter::shell(const QString& path, int /*windowStyle: the program opens its own window normally*/)
{
    const QString file = resolve(path);
    const QFileInfo info(file);
    if (file.isEmpty())
        throw game::RuntimeError(53, "File not found: " + path.toStdString());
    if (!info.exists())
        throw game::RuntimeError(53, "File not found: " + file.toStdString());
    if (!info.isFile() || !info.isExecutable())
        throw game::RuntimeError(75, "Path/File access error: " + file.toStdString());

    QProcess process;
    process.setProgram(file);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        throw game::RuntimeError(75, "Path/File access error: " + file.toStdString());
    return pid;
}
