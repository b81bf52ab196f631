#include "data/GuideContent.h"
#include "look/app/TLLookSetup.h"
#include "look/app/TLPalette.h"
#include "look/kit/Prefs.h"
#include "screens/GuideBody.h"
#include "services/TLInfo.h"

#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

using Kind = GuideBody::Line::Kind;
Q_DECLARE_METATYPE(GuideBody::Line::Kind)

namespace {

QString wrapped(const QString &inner)
{
    return QStringLiteral("<span style=\"white-space: pre-wrap\">") + inner + QStringLiteral("</span>");
}

// What a reader sees of a label's text.
QString shownText(const QLabel *label)
{
    if (label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText();
}

} // namespace

class tst_GuideBody : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Prefs::shared().clear();
        TLLookSetup::install(TLInfo::appName);
    }

    void classify_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("heading") << QStringLiteral("## Keep your numbers safe") << Kind::Heading << QStringLiteral("Keep your numbers safe");
        QTest::newRow("number signs and a word") << QStringLiteral("##word") << Kind::Paragraph << QStringLiteral("##word");
        QTest::newRow("heading mark alone") << QStringLiteral("## ") << Kind::Paragraph << QStringLiteral("##");
        QTest::newRow("bullet") << QStringLiteral("\u2022 Call 211.") << Kind::Bullet << QStringLiteral("Call 211.");
        QTest::newRow("bullet mark alone") << QStringLiteral("\u2022 ") << Kind::Paragraph << QStringLiteral("\u2022");
        QTest::newRow("indented bullet") << QStringLiteral("   \u2022 Keep a copy.") << Kind::Bullet << QStringLiteral("Keep a copy.");
        QTest::newRow("tab-indented heading") << QStringLiteral("\t## Water") << Kind::Heading << QStringLiteral("Water");
        QTest::newRow("warning") << QStringLiteral("! Heat stroke can kill.") << Kind::Warning << QStringLiteral("Heat stroke can kill.");
        QTest::newRow("exclamation and a word") << QStringLiteral("!word") << Kind::Paragraph << QStringLiteral("!word");
        QTest::newRow("empty") << QString() << Kind::Blank << QString();
        QTest::newRow("spaces and tabs only") << QStringLiteral("  \t ") << Kind::Blank << QString();
        // No Markdown block syntax: these stay paragraphs as typed.
        QTest::newRow("numbered") << QStringLiteral("1. Call 911.") << Kind::Paragraph << QStringLiteral("1. Call 911.");
        QTest::newRow("quote sign") << QStringLiteral("> 5 minutes") << Kind::Paragraph << QStringLiteral("> 5 minutes");
        QTest::newRow("first mark wins") << QStringLiteral("## \u2022 x") << Kind::Heading << QStringLiteral("\u2022 x");
    }

    void classify()
    {
        QFETCH(QString, line);
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        const GuideBody::Line got = GuideBody::classify(line);
        QCOMPARE(got.kind, kind);
        QCOMPARE(got.text, text);
    }

    void splitting()
    {
        QCOMPARE(GuideBody::lines(QStringLiteral("One line only")).size(), 1);
        const QList<GuideBody::Line> lines = GuideBody::lines(QStringLiteral("a\n\nb\nb\n"));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(1).kind, Kind::Blank);
        QCOMPARE(lines.at(4).kind, Kind::Blank);
        // Two equal lines are two rows.
        QCOMPARE(lines.at(2), lines.at(3));
    }

    void md_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("html");
        QTest::newRow("bold words") << QStringLiteral("**Dial 211.** A real person helps you.")
                                    << QStringLiteral("<b>Dial 211.</b> A real person helps you.");
        QTest::newRow("two pairs") << QStringLiteral("**a** and **b**") << QStringLiteral("<b>a</b> and <b>b</b>");
        QTest::newRow("script shown as text") << QStringLiteral("<script>alert('x')</script>")
                                              << QStringLiteral("&lt;script&gt;alert('x')&lt;/script&gt;");
        QTest::newRow("markup inside bold escaped") << QStringLiteral("**<i>x</i> & y**")
                                                    << QStringLiteral("<b>&lt;i&gt;x&lt;/i&gt; &amp; y</b>");
        QTest::newRow("unbalanced opener") << QStringLiteral("**bold without end") << QStringLiteral("**bold without end");
        QTest::newRow("third mark left over") << QStringLiteral("**a** and **b") << QStringLiteral("<b>a</b> and **b");
        QTest::newRow("marks around spaces") << QStringLiteral("5 ** 3 ** 2") << QStringLiteral("5 ** 3 ** 2");
        QTest::newRow("empty pair") << QStringLiteral("****") << QStringLiteral("****");
        QTest::newRow("no links") << QStringLiteral("[site](https://example.org)") << QStringLiteral("[site](https://example.org)");
        QTest::newRow("spaces kept") << QStringLiteral("a   b") << QStringLiteral("a   b");
        QTest::newRow("nested pairs") << QStringLiteral("**a **b** c**") << QStringLiteral("<b>a <b>b</b> c</b>");
    }

    void md()
    {
        QFETCH(QString, line);
        QFETCH(QString, html);
        QCOMPARE(GuideBody::md(line), wrapped(html));
    }

    void rows()
    {
        const QString text = QStringLiteral("## A **heading**\n"
                                            "Para <script>x</script> with **bold**\n"
                                            "\n"
                                            "\u2022 **Dial 211.** It is free.\n"
                                            "! Heat stroke is an emergency. Call 911 right away.");
        GuideBody body(text);
        auto *heading = body.findChild<QLabel *>(QStringLiteral("guideHeading"));
        QVERIFY(heading);
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        QCOMPARE(heading->text(), QStringLiteral("A **heading**"));

        auto *para = body.findChild<QLabel *>(QStringLiteral("guideParagraph"));
        QVERIFY(para);
        QCOMPARE(shownText(para), QStringLiteral("Para <script>x</script> with bold"));
        QCOMPARE(shownText(body.findChild<QLabel *>(QStringLiteral("guideBulletText"))), QStringLiteral("Dial 211. It is free."));

        auto *warningText = body.findChild<QLabel *>(QStringLiteral("guideWarningText"));
        QVERIFY(warningText);
        QVERIFY(warningText->font().bold());
        QCOMPARE(warningText->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(body.findChildren<QWidget *>(QStringLiteral("guideBullet")).size(), 1);

        GuideBody spaced(QStringLiteral("Two  spaces and   three"));
        QCOMPARE(shownText(spaced.findChild<QLabel *>(QStringLiteral("guideParagraph"))),
                 QStringLiteral("Two  spaces and   three"));
    }

    void layout()
    {
        // A blank line adds no space; the warning box takes the full width.
        QWidget holder;
        auto *column = new QVBoxLayout(&holder);
        auto *withBlank = new GuideBody(QStringLiteral("First.\n\nSecond.\n! Careful."));
        auto *adjacent = new GuideBody(QStringLiteral("First.\nSecond."));
        column->addWidget(withBlank);
        column->addWidget(adjacent);
        holder.resize(500, 600);
        holder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&holder));
        auto gap = [](GuideBody *body) {
            const QList<QLabel *> p = body->findChildren<QLabel *>(QStringLiteral("guideParagraph"));
            return p.at(1)->y() - (p.at(0)->y() + p.at(0)->height());
        };
        QCOMPARE(gap(withBlank), 9);
        QCOMPARE(gap(adjacent), 9);
        auto *box = withBlank->findChild<QWidget *>(QStringLiteral("guideWarning"));
        QVERIFY(box);
        QCOMPARE(box->width(), withBlank->width());
    }

    void marksInStepWithSearchText()
    {
        // What the screen shows of each line is what search indexes for it,
        // less the bold marks.
        for (const GuideChapter &chapter : GuideContent::chapters()) {
            const QStringList lines = chapter.body.split(u'\n');
            const QStringList plain = chapter.plainText().split(u'\n');
            QCOMPARE(plain.size(), lines.size());
            for (int i = 0; i < lines.size(); ++i) {
                const GuideBody::Line line = GuideBody::classify(lines.at(i));
                QString shown = line.text;
                if (line.kind == Kind::Heading)
                    QVERIFY2(!shown.contains(QStringLiteral("**")), qPrintable(lines.at(i))); // would show the stars
                else
                    shown.remove(QStringLiteral("**"));
                QCOMPARE(shown, plain.at(i));
            }
        }
    }
};

QTEST_MAIN(tst_GuideBody)
#include "tst_GuideBody.moc"
