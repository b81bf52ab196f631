#include "SaveAnswers.h"
#include "SaveByReturn.h"

#include "data/DBError.h"
#include "pdf/PdfPrint.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

class tst_SaveFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    SaveAnswers m_save;

private Q_SLOTS:
    // Whatever the outcome, the screen gets one sentence, and only a file
    // that was written is shown in the file manager.
    void saveAs_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("failure"); // "" when the write succeeds
        QTest::addColumn<QString>("outcome"); // "-": none
        QTest::newRow("saved") << "plan.csv" << "" << "Saved: plan.csv";
        QTest::newRow("write failed") << "full.csv" << "The disk is full." << "Could not save: The disk is full.";
        QTest::newRow("cancelled") << "" << "" << "-";
    }

    void saveAs()
    {
        QFETCH(QString, answer);
        QFETCH(QString, failure);
        QFETCH(QString, outcome);
        m_save.clear();
        m_save.answer = answer.isEmpty() ? QString() : m_dir.filePath(answer);
        const QString start = SaveFile::startFolder();
        QStringList written;
        const std::optional<QString> said =
            SaveFile::saveAs(nullptr, QStringLiteral("Money Plan.csv"), SaveFile::csv, [&](const QString &path) {
                if (!failure.isEmpty())
                    throw DBError(failure);
                SaveFile::writeText(path, QStringLiteral("a,b\n"));
                written << path;
            });
        QCOMPARE(said.value_or(QStringLiteral("-")), outcome);
        QCOMPARE(m_save.requests.size(), 1);
        QCOMPARE(m_save.requests.first().suggestedPath, QDir(start).filePath(QStringLiteral("Money Plan.csv")));
        QCOMPARE(m_save.requests.first().filter, QStringLiteral("CSV spreadsheet (*.csv)"));
        QCOMPARE(m_save.requests.first().suffix, QStringLiteral("csv"));
        const QStringList expected = outcome.startsWith(QLatin1String("Saved")) ? QStringList{m_save.answer} : QStringList{};
        QCOMPARE(written, expected);
        QCOMPARE(m_save.revealed, expected);
        // The next save starts in the folder chosen, whether or not the write went well.
        QCOMPARE(SaveFile::startFolder(), answer.isEmpty() ? start : m_dir.path());
    }

    // Saving over a file asks first, in plain words: markup in the name
    // (a plan named "Sam-Lee <b>t</b>", its slash made a dash) shows as
    // typed. "No" goes back to the dialog, "Yes" replaces.
    void replacingAsksInPlainText()
    {
        const QString name = QStringLiteral("Money Plan - Sam-Lee <b>t<-b>.csv");
        QFile existing(m_dir.filePath(name));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("old\n") == 4);
        existing.close();
        const SaveFile::Dialog stand = SaveFile::replaceDialog({}); // the real dialog
        QStringList asked;
        // Each step is queued: the next window may open inside it.
        QTimer person;
        connect(&person, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (qobject_cast<QFileDialog *>(modal) && modal->focusWidget()) {
                QWidget *name = modal->focusWidget();
                QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
            } else if (auto *question = qobject_cast<QMessageBox *>(modal)) {
                const auto *text = question->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
                asked << (text->textFormat() == Qt::PlainText ? text->text() : QStringLiteral("(formatted)"));
                QTimer::singleShot(0, question->button(asked.size() == 1 ? QMessageBox::No : QMessageBox::Yes),
                                   &QAbstractButton::click);
            }
        });
        person.start(50);
        const QString path = SaveFile::ask(nullptr, {m_dir.filePath(name), SaveFile::csv.filter, SaveFile::csv.suffix});
        person.stop();
        SaveFile::replaceDialog(stand);
        QCOMPARE(path, m_dir.filePath(name));
        const QString question = name + QStringLiteral(" already exists.\nDo you want to replace it?");
        QCOMPARE(asked, (QStringList{question, question}));
    }

    // A name made from typed text, offered to Qt's own dialog and taken with
    // Return, is the file chosen: a quote no longer splits it into a list of
    // names, a slash no longer leads into a folder, and a long name is one
    // the dialog accepts.
    void offeredNameIsSaved_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("offered");
        QTest::newRow("plain") << "Money Plan - Kim T. (example).pdf" << "Money Plan - Kim T. (example).pdf";
        QTest::newRow("quote") << "Money Plan - Jo \"Bo.pdf" << "Money Plan - Jo 'Bo.pdf";
        QTest::newRow("quoted") << "Money Plan - \"Jo\" \"Bo\".csv" << "Money Plan - 'Jo' 'Bo'.csv";
        QTest::newRow("slash") << "Money Plan - Jo/Bo.csv" << "Money Plan - Jo-Bo.csv";
        QTest::newRow("tab and line break") << "Money Plan - Jo\tB\no.pdf" << "Money Plan - Jo-B-o.pdf";
        QTest::newRow("300 letters") << QString(300, u'a') + QStringLiteral(".pdf") << QString(251, u'a') + QStringLiteral(".pdf");
    }

    void offeredNameIsSaved()
    {
        QFETCH(QString, name);
        QFETCH(QString, offered);
        QCOMPARE(PdfPrint::safeFileName(name), offered);
        QTemporaryDir folder;
        SaveByReturn person;
        const QString path = SaveFile::ask(nullptr, {folder.filePath(offered), SaveFile::pdf.filter, SaveFile::pdf.suffix});
        QCOMPARE(person.shown, QStringList{offered});
        QCOMPARE(path, folder.filePath(offered));
    }

    // Print, then each save button, in that order by keyboard; each press
    // does its own thing once, none is a default button, and the row wraps
    // in a narrow window instead of running off its edge.
    void buttonRowByKeyboard()
    {
        QStringList pressed;
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QWidget *row = SaveFile::buttonRow(QStringLiteral("print"), [&] { pressed << QStringLiteral("print"); },
                                           {{SaveFile::pdf, QStringLiteral("pdf"), [&] { pressed << QStringLiteral("pdf"); }},
                                            {SaveFile::webPage, QStringLiteral("web"), [&] { pressed << QStringLiteral("web"); }},
                                            {SaveFile::plainText, QStringLiteral("text"), [&] { pressed << QStringLiteral("text"); }}});
        layout->addWidget(row);
        layout->addStretch(1);
        window.resize(900, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const QStringList order{QStringLiteral("print"), QStringLiteral("pdf"), QStringLiteral("web"), QStringLiteral("text")};
        row->findChild<QPushButton *>(order.first())->setFocus(Qt::TabFocusReason);
        for (const QString &name : order) {
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(pressed, order);
        const auto buttons = row->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 4);
        for (const QPushButton *b : buttons)
            QVERIFY2(!b->autoDefault() && b->isVisible(), qPrintable(b->objectName()));
        QCOMPARE(row->findChild<QPushButton *>(QStringLiteral("web"))->text(), QStringLiteral("Save as web page\u2026"));

        const auto *print = row->findChild<QWidget *>(QStringLiteral("print"));
        const auto *text = row->findChild<QWidget *>(QStringLiteral("text"));
        QCOMPARE(text->y(), print->y());
        window.resize(360, 300);
        QTRY_VERIFY(text->y() > print->y());
        QVERIFY(text->geometry().right() <= row->width());
    }
};

QTEST_MAIN(tst_SaveFile)
#include "tst_SaveFile.moc"
