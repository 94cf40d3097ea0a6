#include "installedfile.h"

#include "runtimeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file by which a build marks its output folder, beside the programs it builds.
constexpr const char* kBuildTreeMarker = "tictactoe-build-tree";

QByteArray& ownExecutable()
{
    static QByteArray path;
    return path;
}

QString& installedFolder(InstalledFile::Kind kind)
{
    static QString folders[] = {QStringLiteral(TICTACTOE_INSTALLED_LIBEXECDIR), QStringLiteral(TICTACTOE_INSTALLED_MODULEDIR)};
    return folders[kind];
}

[[noreturn]] void notFound(const QString& what)
{
    throw game::RuntimeError(53, "File not found: " + what.toStdString());
}

[[noreturn]] void refused(const QString& what)
{
    throw game::RuntimeError(75, "Path/File access error: " + what.toStdString());
}

// The folder the game runs from. It must be absolute and its name must survive the trip through
// Qt's strings unchanged: otherwise nothing is trusted, rather than a lookup relative to the
// working folder.
QString ownFolder(const QString& name)
{
    QByteArray executable = ownExecutable();
    if (executable.isEmpty()) {
        std::error_code error;
        executable = QByteArray::fromStdString(std::filesystem::read_symlink("/proc/self/exe", error).native());
    }
    const QString decoded = QFile::decodeName(executable);
    if (!executable.startsWith('/') || QFile::encodeName(decoded) != executable)
        notFound(name + " (the game's own folder cannot be named: " + decoded + ")");
    return QFileInfo(decoded).absolutePath();
}

// Why the file cannot be used, or an empty string when it can.
QString unusable(const QFileInfo& file, InstalledFile::Kind kind)
{
    if (file.isSymLink() && !file.exists())
        return "a broken link";
    if (!file.exists())
        return "missing";
    if (file.isDir())
        return "a folder";
    if (!file.isFile())
        return "not a regular file";
    if (kind == InstalledFile::Program && !file.isExecutable())
        return "not executable";
    return {};
}

// Why another user could have put the file there, or an empty string when none could: the file
// and every folder above it belong to root or to the player, and none may be written by others
// (as ssh asks of its files). A shared folder with its sticky bit, such as /tmp, is the one
// exception: there nobody may move or replace what another made, so what lies below it is the
// player's if they own it.
QString untrusted(const QString& canonicalPath)
{
    QString path = canonicalPath;
    for (;;) {
        struct stat status {};
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            return path + " cannot be examined";
        if (status.st_uid != 0 && status.st_uid != ::getuid())
            return path + " belongs to another user";
        const bool shared = S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX) && path != canonicalPath;
        if ((status.st_mode & S_IWOTH) && !shared)
            return path + " may be written by others";
        if (path == QLatin1String("/"))
            return {};
        path = QFileInfo(path).path();
    }
}

} // namespace

QString InstalledFile::find(const QString& name, Kind kind)
{
    const QString own = ownFolder(name);
    // The game as built: its programs and module are beside it, in the build's output folder,
    // which the build marks as such (and which must be trusted as much as they).
    const QString folder = QFileInfo::exists(QDir(own).filePath(QLatin1String(kBuildTreeMarker))) ? own : installedFolder(kind);
    const QFileInfo file(QDir::cleanPath(QDir(folder).filePath(name)));
    if (const QString why = unusable(file, kind); !why.isEmpty()) {
        if (why == "missing")
            notFound(name + ": " + file.filePath() + " (missing)");
        refused(name + ": " + file.filePath() + " (" + why + ")");
    }
    const QString canonical = file.canonicalFilePath();
    if (const QString why = untrusted(canonical); !why.isEmpty())
        refused(name + ": " + canonical + " is not trusted: " + why);
    return canonical;
}

void InstalledFile::setOwnExecutable(const QByteArray& nativePath)
{
    ownExecutable() = nativePath;
}

void InstalledFile::setInstalledFolder(Kind kind, const QString& folder)
{
    installedFolder(kind) = folder.isEmpty() ? (kind == Program ? QStringLiteral(TICTACTOE_INSTALLED_LIBEXECDIR)
                                                                : QStringLiteral(TICTACTOE_INSTALLED_MODULEDIR))
                                             : folder;
}
