// Hostile pastes into every text box of every window of the running program: characters
// outside cp1252, 10,000 characters, control characters, NUL. Nothing may crash or freeze,
// and each box keeps within its length limit.

#include "app/Frm20About.h"
#include "app/FrmMail.h"
#include "e2e/RunningProgram.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace zorvane;
using app::Tool;

namespace {

QString WithNul() {
    QString text = QStringLiteral("ab");
    text += QChar(u'\0');
    text += QStringLiteral("cd");
    return text;
}

const QStringList& HostileTexts() {
    static const QStringList texts = {
        QStringLiteral("😀猫漢字🐈ДЖ"),                                // outside cp1252
        QString(10000, QChar(u'e')),                                 // far longer than any box
        QString::fromUtf8("\x01\x02\t\r\n\x1b\x7f\xc2\x85\xc2\x9f"), // C0, DEL, C1 controls
        WithNul(),
        QStringLiteral("é?*ŒÀ") + QStringLiteral("👍").repeated(5000), // surrogate pairs
    };
    return texts;
}

QString NameOf(const QWidget* box) {
    return box->window()->objectName() + QLatin1Char('/') + box->objectName() + QLatin1Char('/') +
           QString::fromLatin1(box->metaObject()->className());
}

bool ContactFormShown() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        return qobject_cast<const app::FrmMail*>(window) != nullptr && window->isVisible();
    });
}

// Every visible text box of every window, in window order.
QList<QWidget*> VisibleTextBoxes() {
    QList<QWidget*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        for (QWidget* box : window->findChildren<QWidget*>()) {
            const bool text = qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box);
            if (text && box->isVisible()) {
                boxes << box;
            }
        }
    }
    return boxes;
}

} // namespace

class HostilePasteTest : public QObject {
    Q_OBJECT

private slots:
    void pastesIntoEveryTextBox() {
        e2e::RunningProgram program;
        QVERIFY(program.shell.Start());
        QTRY_VERIFY_WITH_TIMEOUT(program.Ready(), e2e::kLoadTimeoutMs);
        for (const app::ToolButton& button : app::ToolButtons()) {
            program.Main()->ToolButtonOf.at(button.tool)->click();
        }
        program.Open<app::Frm20About>(Tool::About)->CmdContact->click();
        QTRY_VERIFY_WITH_TIMEOUT(ContactFormShown(), e2e::kSearchTimeoutMs);

        QList<QPointer<QWidget>> boxes;
        QList<QPointer<QWidget>> enabled;
        for (QWidget* box : VisibleTextBoxes()) {
            boxes << box;
            if (box->isEnabled()) {
                enabled << box;
            }
        }
        QVERIFY2(boxes.size() >= 20, qPrintable(QString::number(boxes.size())));
        for (const QPointer<QWidget>& box : boxes) {
            for (const QString& text : HostileTexts()) {
                if (box.isNull() || !box->isVisible()) {
                    break; // a paste closed or hid it: nothing more to type into
                }
                QGuiApplication::clipboard()->setText(text);
                box->setFocus();
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                QCoreApplication::processEvents();
                if (const auto* line = qobject_cast<QLineEdit*>(box.data())) {
                    QVERIFY2(line->text().size() <= line->maxLength(), qPrintable(NameOf(box)));
                }
            }
        }
        // The searches the pastes started end, and every box takes input again.
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(enabled.begin(), enabled.end(),
                                             [](const QPointer<QWidget>& box) {
                                                 return box.isNull() || box->isEnabled();
                                             }),
                                 e2e::kSearchTimeoutMs);
        QVERIFY(program.Ready());
        QVERIFY(!program.real.End().Ended());
    }
};

QTEST_MAIN(HostilePasteTest)
#include "HostilePasteTest.moc"
