// The small edit controls and the dialog data exchange, offscreen.
#include "gui/widgets/CHexEdit.h"
#include "gui/widgets/CPhoneEdit.h"
#include "gui/widgets/DataExchange.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <QVBoxLayout>

#include <array>

using namespace qarvo;
using namespace qarvo::gui;

class SmallControlsTest : public QObject {
    Q_OBJECT

private slots:
    void editsTakeOnlyTheirCharacters_data()
    {
        QTest::addColumn<bool>("phone");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("hex digits") << false << "09afAF" << "09afAF";
        QTest::newRow("hex drops G") << false << "1G2" << "12";
        QTest::newRow("phone digits and D") << true << "0D12d" << "0D12d";
        QTest::newRow("phone drops letters") << true << "1A*#B2+C" << "12";
    }
    void editsTakeOnlyTheirCharacters()
    {
        QFETCH(bool, phone);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        std::unique_ptr<QLineEdit> edit;
        if (phone)
            edit = std::make_unique<CPhoneEdit>();
        else
            edit = std::make_unique<CHexEdit>();
        QTest::keyClicks(edit.get(), typed);
        QCOMPARE(edit->text(), shown);
    }

    void clipboardShortcutsPassButPasteMustBeHex()
    {
        CHexEdit edit;
        QApplication::clipboard()->setText("BEEF");
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QString("BEEF"));
        QApplication::clipboard()->setText("XYZ");
        QTest::keySequence(&edit, QKeySequence::Paste);
        QCOMPARE(edit.text(), QString("BEEF"));
    }

    void exchangeStopsAtFirstBadFieldAndFocusesIt()
    {
        QWidget dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* wide = new CHexEdit;
        auto* narrow = new CHexEdit;
        auto* port = new QLineEdit;
        for (QWidget* w : {static_cast<QWidget*>(wide), static_cast<QWidget*>(narrow), static_cast<QWidget*>(port)})
            layout->addWidget(w);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        std::uint32_t serial = 0xABC;
        std::uint16_t id = 0xFFFF;
        std::uint16_t number = 10001;
        DataExchange show(DataExchange::Direction::ToFields);
        show.hex32(wide, serial);
        show.hex16(narrow, id);
        show.decimal16(port, number);
        QVERIFY(show.ok());
        QCOMPARE(wide->text(), QString("00000ABC"));
        QCOMPARE(narrow->text(), QString("FFFF"));
        QCOMPARE(port->text(), QString("10001"));

        wide->setText("1234abcd");
        narrow->setText("1FFFF");
        port->setText("70000");
        DataExchange take(DataExchange::Direction::FromFields);
        take.hex32(wide, serial);
        take.hex16(narrow, id);
        take.decimal16(port, number);
        QVERIFY(!take.ok());
        QCOMPARE(take.failedField(), narrow);
        QTRY_VERIFY(narrow->hasFocus());
        QCOMPARE(serial, 0x1234ABCDu);
        QCOMPARE(id, std::uint16_t(0xFFFF));
        QVERIFY2(number == 10001, "nothing after the failure is taken");
    }

    void textFieldsRefuseWhatDoesNotFit()
    {
        QLineEdit field;
        std::array<char, 5> name{'o', 'l', 'd', 0, 0};
        const struct {
            QString text;
            bool ok;
            const char* stored;
        } cases[] = {{"ABCD", true, "ABCD"}, {"ABCDE", false, "old"}, {QString::fromUtf8("\xE2\x82\xAC"), false, "old"}};
        for (const auto& c : cases) {
            name = {'o', 'l', 'd', 0, 0};
            field.setText(c.text);
            DataExchange take(DataExchange::Direction::FromFields);
            take.boundedText(&field, name);
            QCOMPARE(take.ok(), c.ok);
            QCOMPARE(QString(name.data()), QString(c.stored));
        }
        hex::FixedText4 code{'A', 'B', 'C', 'D'};
        field.setText("WXYZ9");
        DataExchange take(DataExchange::Direction::FromFields);
        take.fixedText4(&field, code);
        QVERIFY(take.ok());
        QCOMPARE(code, (hex::FixedText4{'W', 'X', 'Y', 'Z'}));
    }

    void comboTextSelectsTheExactItem()
    {
        QComboBox list;
        list.addItems({"00/unused", "01/delayed 1"});
        QString value = "01/delayed 1";
        DataExchange(DataExchange::Direction::ToFields).comboText(&list, value);
        QCOMPARE(list.currentIndex(), 1);
        value = "01";
        DataExchange(DataExchange::Direction::ToFields).comboText(&list, value);
        QCOMPARE(list.currentIndex(), -1);
        list.setCurrentIndex(0);
        DataExchange(DataExchange::Direction::FromFields).comboText(&list, value);
        QCOMPARE(value, QString("00/unused"));
    }
};

QTEST_MAIN(SmallControlsTest)
#include "SmallControlsTest.moc"
