#pragma once
// Root may write a read-only folder and read a file of mode 000, so a permission check run
// as root proves nothing: there the test function runs again, in a copy of this binary
// started as the user nobody from a folder under /tmp that nobody may read, and the copy's
// verdict is the test's.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace zorvane::e2e {

inline void RunAsNobody() {
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag() != nullptr) {
        function += ':' + QString::fromLatin1(QTest::currentDataTag());
    }
    QTemporaryDir folder(QStringLiteral("/tmp/zorvane-nobody-XXXXXX"));
    const QString binary = folder.filePath(QStringLiteral("test"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), binary));
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(folder.path(), readable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(binary, readable));
    QProcess copy;
    copy.setProcessChannelMode(QProcess::ForwardedChannels);
    copy.setWorkingDirectory(QStringLiteral("/tmp"));
    copy.start(QStringLiteral("setpriv"),
               {"--reuid=nobody", "--regid=nogroup", "--clear-groups", binary, function});
    QVERIFY(copy.waitForFinished(120000));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
}

} // namespace zorvane::e2e
