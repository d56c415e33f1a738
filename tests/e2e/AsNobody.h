#pragma once
// Root may write a read-only folder and read a file of mode 000, so a permission check run
// as root proves nothing: there the test function runs again, in a copy of this binary
// started as an unprivileged user (nobody, or a bare user number that no account holds)
// from a folder under /tmp that the user may read, and the copy's verdict is the test's.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace zorvane::e2e {

// The user the tests plant files as, beside nobody: a number no account holds.
inline constexpr int kOtherUser = 64123;

// The arguments that make setpriv run a command as user ("nobody" or a number).
inline QStringList AsUser(const QString& user) {
    const QString group = user == QLatin1String("nobody") ? QStringLiteral("nogroup") : user;
    return {"--reuid=" + user, "--regid=" + group, "--clear-groups"};
}

inline void
RunAs(const QString& user,
      const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
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
    copy.setProcessEnvironment(environment);
    copy.setWorkingDirectory(QStringLiteral("/tmp"));
    copy.start(QStringLiteral("setpriv"), AsUser(user) << binary << function);
    QVERIFY(copy.waitForFinished(120000));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), 0);
}

inline void RunAsNobody() {
    RunAs(QStringLiteral("nobody"));
}

} // namespace zorvane::e2e
