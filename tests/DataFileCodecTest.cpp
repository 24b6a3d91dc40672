// The data-file format against fixed bytes: what we write, and what we read from any writer.
#include <gtest/gtest.h>

#include "files/DataFileCodec.h"

namespace zarvelo::codec {
namespace {

const RankingEntry kDefaultEntry{0, 1, 0, "NewPlayer", QDate(2026, 12, 7)};

TEST(DataFileCodec, WritesRecordLinesByteForByte) {
    struct Case {
        PlayerRecordType record;
        QByteArray bytes;
    };
    const Case cases[] = {
        {{"Taro", 87, 2, 12}, "\"Taro\",87,2,12\r\n"},
        {{"NewPlayer", 100, 0, 1}, "\"NewPlayer\",100,0,1\r\n"},
        {{QString::fromUtf8("太郎"), 5, 0, 3}, "\"\x91\xBE\x98\x59\",5,0,3\r\n"},
        {{QString::fromUtf8("ﾀﾛｳ"), -4, 1, 0}, "\"\xC0\xDB\xB3\",-4,1,0\r\n"},
        {{"Ta,ro", 0, 0, 1}, "\"Ta,ro\",0,0,1\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodePlayerLine(c.record), c.bytes) << c.bytes.toStdString();
    EXPECT_EQ(EncodeRankingLine({23, 1, 23, "Taro", QDate(1998, 12, 3)}),
              QByteArray("23,1,23,\"Taro\",#1998-12-03#\r\n"));
    EXPECT_EQ(EncodeRankingLine({0, 1, 0, QString::fromUtf8("花子"), QDate(2026, 1, 9)}),
              QByteArray("0,1,0,\"\x89\xD4\x8E\x71\",#2026-01-09#\r\n"));
}

TEST(DataFileCodec, ReadsTheLastCompleteRecordOfAPlayerFile) {
    const PlayerRecordType taro{"Taro", 87, 2, 12};
    struct Case {
        const char* what;
        QByteArray bytes;
        std::optional<PlayerRecordType> expected;
    };
    const Case cases[] = {
        {"our own line", "\"Taro\",87,2,12\r\n", taro},
        {"Japanese name", "\"\x91\xBE\x98\x59\",5,0,3\r\n", {{QString::fromUtf8("太郎"), 5, 0, 3}}},
        {"two records keep the second",
         "\"Taro\",87,2,12\r\n\"Jiro\",9,1,4\r\n",
         {{"Jiro", 9, 1, 4}}},
        {"comma inside quotes", "\"Ta,ro\",3,0,1\r\n", {{"Ta,ro", 3, 0, 1}}},
        {"no final line end", "\"Taro\",87,2,12", taro},
        {"LF line ends and blank lines", "\n\"Taro\",87,2,12\n\n  \r\n", taro},
        {"blanks before fields", "  \"Taro\", 87,\t2, 12\r\n", taro},
        {"unquoted name", "Taro,87,2,12\r\n", taro},
        {"an end-of-file mark", "\"Taro\",87,2,12\r\n\x1a", taro},
        {"an end-of-file mark and more", "\"Taro\",87,2,12\x1a\"Jiro\",9,1,4\r\n", taro},
        {"a stray byte after the record", "\"Taro\",87,2,12\r\nx", taro},
        {"a partial record after the last", "\"Taro\",87,2,12\r\n\"Jiro\",9", taro},
        {"a broken record after the last", "\"Taro\",87,2,12\r\n\"Jiro\",x,1,4\r\n", taro},
        {"negative credit", "\"Taro\",-5,2,12\r\n", {{"Taro", 0, 2, 12}}},
        {"empty file", "", std::nullopt},
        {"noise", QByteArray("\x00\xff\x81,\x01", 5), std::nullopt},
        {"truncated after the name", "\"Taro\",8", std::nullopt},
        {"number of the wrong kind", "\"Taro\",abc,2,12\r\n", std::nullopt},
        {"number too large", "\"Taro\",99999999999,2,12\r\n", std::nullopt},
        {"quoted number", "\"Taro\",\"87\",2,12\r\n", std::nullopt},
        {"empty name", "\"\",87,2,12\r\n", std::nullopt},
        {"unterminated quote", "\"Taro,87,2,12\r\n", std::nullopt},
        {"one record over two lines", "\"Taro\",87\r\n2,12\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto r = DecodePlayerFile(c.bytes);
        ASSERT_EQ(r.has_value(), c.expected.has_value()) << c.what;
        if (!r) continue;
        EXPECT_EQ(r->Name, c.expected->Name) << c.what;
        EXPECT_EQ(r->Credit, c.expected->Credit) << c.what;
        EXPECT_EQ(r->BankruptCount, c.expected->BankruptCount) << c.what;
        EXPECT_EQ(r->GamesPlayed, c.expected->GamesPlayed) << c.what;
    }
}

QByteArray FiveLines() {
    QByteArray bytes;
    for (int i = 0; i < 5; ++i)
        bytes += EncodeRankingLine(
            {40 - i, 1 + i, 41 - i, QString("P%1").arg(i + 1), QDate(2025, 1, 1 + i)});
    return bytes;
}

TEST(DataFileCodec, ReadsTheCompleteLinesOfARanking) {
    for (const QByteArray& tail : {QByteArray(), QByteArray("\x1a"), QByteArray("\r\n\r\nx")}) {
        const auto whole = DecodeRankingFile(FiveLines() + tail, kDefaultEntry);
        ASSERT_TRUE(whole) << tail.toHex().toStdString();
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ((*whole)[i].Cards, 40 - i);
            EXPECT_EQ((*whole)[i].Stage, 1 + i);
            EXPECT_EQ((*whole)[i].Score, 41 - i);
            EXPECT_EQ((*whole)[i].PlayerName, QString("P%1").arg(i + 1));
            EXPECT_EQ((*whole)[i].Date, QDate(2025, 1, 1 + i));
        }
    }
    // A file cut inside its fourth line: three entries, then default ones.
    const QByteArray bytes = FiveLines();
    qsizetype cut = 0;
    for (int line = 0; line < 3; ++line) cut = bytes.indexOf("\r\n", cut) + 2;
    const auto shortRanking = DecodeRankingFile(bytes.left(cut + 4), kDefaultEntry);
    ASSERT_TRUE(shortRanking);
    EXPECT_EQ((*shortRanking)[2].Cards, 38);
    EXPECT_EQ((*shortRanking)[3].Cards, 0);
    EXPECT_EQ((*shortRanking)[3].PlayerName, "NewPlayer");
    EXPECT_EQ((*shortRanking)[4].Date, QDate(2026, 12, 7));

    EXPECT_FALSE(DecodeRankingFile("x,1,2,\"A\",#2025-13-40#\r\n", kDefaultEntry));
    EXPECT_FALSE(DecodeRankingFile("7,1,7,\"Taro\",#2025-03-0", kDefaultEntry));
    EXPECT_FALSE(DecodeRankingFile("", kDefaultEntry));
}

TEST(DataFileCodec, RankingsKeepFileOrderAndLaterRoundsWin) {
    QByteArray bytes = "5,1,5,\"Low\",#2025-01-01#\r\n50,2,60,\"High\",#2025-01-02#\r\n";
    auto ranking = DecodeRankingFile(bytes, kDefaultEntry).value();
    EXPECT_EQ(ranking[0].Cards, 5);  // not sorted on loading
    EXPECT_EQ(ranking[1].Cards, 50);
    bytes = FiveLines() + "99,3,99,\"Again\",#2025-02-02#\r\n";
    ranking = DecodeRankingFile(bytes, kDefaultEntry).value();
    EXPECT_EQ(ranking[0].PlayerName, "Again");
    EXPECT_EQ(ranking[1].PlayerName, "P2");
}

// Many editors put a UTF-8 byte-order mark in front of what they save.
TEST(DataFileCodec, AByteOrderMarkIsSkippedAndTheRestReadAsUtf8) {
    const QByteArray mark("\xEF\xBB\xBF");
    const auto ranking = DecodeRankingFile(mark + FiveLines(), kDefaultEntry).value();
    EXPECT_EQ(ranking[0].Cards, 40);
    EXPECT_EQ(ranking[0].PlayerName, "P1");
    const auto record =
        DecodePlayerFile(mark + QString::fromUtf8("\"太郎\",5,0,3\r\n").toUtf8()).value();
    EXPECT_EQ(record.Name, QString::fromUtf8("太郎"));
    EXPECT_EQ(record.Credit, 5);
    // Written back, it is the usual line in the usual code page.
    EXPECT_EQ(EncodePlayerLine(record), QByteArray("\"\x91\xBE\x98\x59\",5,0,3\r\n"));
}

TEST(DataFileCodec, DatesTakeOneOrTwoDigitMonthsAndDays) {
    struct Case {
        const char* text;
        QDate expected;
    };
    const Case cases[] = {
        {"1998-1-3", QDate(1998, 1, 3)},
        {"1998-12-03", QDate(1998, 12, 3)},
        {"1998-01-3", QDate(1998, 1, 3)},
        {"2025-2-28", QDate(2025, 2, 28)},
        {"1998-13-3", QDate()},
        {"1998-2-30", QDate()},
        {"98-1-3", QDate()},
        {"1998-1-3x", QDate()},
        {"1998-001-3", QDate()},
        {"", QDate()},
    };
    for (const Case& c : cases) {
        const auto date = ParseDate(Field{QString::fromUtf8(c.text), Field::Dated});
        EXPECT_EQ(date.value_or(QDate()), c.expected) << c.text;
    }
    const auto ranking = DecodeRankingFile("7,1,7,\"Taro\",#1998-1-3#\r\n", kDefaultEntry).value();
    EXPECT_EQ(ranking[0].Date, QDate(1998, 1, 3));
    EXPECT_EQ(EncodeRankingLine(ranking[0]), QByteArray("7,1,7,\"Taro\",#1998-01-03#\r\n"));
}

TEST(DataFileCodec, RoundTripsWhatItWrites) {
    const PlayerRecordType records[] = {{"Taro", 87, 2, 12},
                                        {QString::fromUtf8("山田　花子"), 2147483647, 0, 1},
                                        {"a b", -2147483647 - 1, 3, 9}};
    for (const auto& r : records) {
        const auto back = DecodePlayerFile(EncodePlayerLine(r)).value();
        EXPECT_EQ(back.Name, r.Name);
        EXPECT_EQ(back.Credit, std::max(r.Credit, 0));
        EXPECT_EQ(back.GamesPlayed, r.GamesPlayed);
    }
}

}  // namespace
}  // namespace zarvelo::codec
