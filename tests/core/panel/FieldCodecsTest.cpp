#include "panel/FieldCodecs.h"

#include <gtest/gtest.h>

using namespace qarvo::panel;

TEST(CodeCodec, EncodesFourAndSixDigits)
{
    EXPECT_EQ(encodeCode("1234"), (CodeBytes{0x12, 0x34, 0x00}));
    EXPECT_EQ(encodeCode("907856"), (CodeBytes{0x90, 0x78, 0x56}));
    EXPECT_EQ(encodeCode(""), kAbsentCode);
    EXPECT_EQ(encodeCode("12345"), std::nullopt) << "5 digits";
    EXPECT_EQ(encodeCode("123"), std::nullopt);
    EXPECT_EQ(encodeCode("1234567"), std::nullopt);
    EXPECT_EQ(encodeCode("12a4"), std::nullopt) << "hex letters would not read back";
    EXPECT_EQ(encodeCode("12 4"), std::nullopt);
}

TEST(CodeCodec, DecodesByTheSelectedLength)
{
    const CodeBytes six{0x12, 0x34, 0x56};
    EXPECT_EQ(decodeCode(six, 6), "123456");
    EXPECT_EQ(decodeCode(six, 4), "1234") << "4-digit codes show the first four digits";
    EXPECT_EQ(decodeCode(CodeBytes{0x58, 0x07, 0x00}, 4), "5807");
    EXPECT_EQ(decodeCode(kAbsentCode, 4), "");
    EXPECT_EQ(decodeCode(CodeBytes{0x1A, 0x34, 0x00}, 4), "") << "a non-decimal nibble shows an empty code";
    EXPECT_EQ(decodeCode(CodeBytes{0x12, 0x34, 0xFF}, 4), "1234") << "only the shown digits count";
    EXPECT_EQ(decodeCode(CodeBytes{0x12, 0x34, 0xFF}, 6), "");
    const std::uint8_t shortBytes[2] = {0x12, 0x34};
    EXPECT_EQ(decodeCode(shortBytes, 4), "");
    for (const char* code : {"0000", "9999", "000000", "123400"})
        EXPECT_EQ(decodeCode(*encodeCode(code), static_cast<int>(std::string_view(code).size())), code);
}

TEST(TimePairCodec, RangeAndUnset)
{
    EXPECT_EQ(decodeTimePair(0, 0), (HourMinute{0, 0}));
    EXPECT_EQ(decodeTimePair(23, 59), (HourMinute{23, 59}));
    EXPECT_EQ(decodeTimePair(24, 0), std::nullopt);
    EXPECT_EQ(decodeTimePair(12, 60), std::nullopt);
    EXPECT_EQ(decodeTimePair(0xFF, 0xFF), std::nullopt);
    EXPECT_EQ(encodeTimePair(HourMinute{7, 5}), (TimePairBytes{7, 5}));
    EXPECT_EQ(encodeTimePair(std::nullopt), kUnsetTime);
    EXPECT_EQ(encodeTimePair(HourMinute{24, 0}), kUnsetTime);
    EXPECT_EQ(encodeTimePair(HourMinute{-1, 0}), kUnsetTime);
}

TEST(TimePairCodec, HourMinuteText)
{
    EXPECT_EQ(parseHourMinute("07:05"), (HourMinute{7, 5}));
    EXPECT_EQ(parseHourMinute("7:5"), (HourMinute{7, 5}));
    EXPECT_EQ(parseHourMinute("23:59"), (HourMinute{23, 59}));
    for (const char* bad : {"", ":", "12:", ":30", "24:00", "12:60", "1230", "12:3x", "-1:00", "123:00", "12:30:00"})
        EXPECT_EQ(parseHourMinute(bad), std::nullopt) << bad;
    EXPECT_EQ(formatHourMinute({7, 5}), "07:05");
    EXPECT_EQ(formatHourMinute({23, 0}), "23:00");
}

TEST(PhoneCodec, DigitsAndD)
{
    EXPECT_EQ(encodePhone("0123D45"), (PhoneBytes{0x01, 0x23, 0xD4, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodePhone(""), (PhoneBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodePhone("12-34 d"), encodePhone("1234D")) << "other characters are skipped";
    EXPECT_EQ(encodePhone("12345678901234567890"),
              (PhoneBytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56})) << "characters past the 16th dropped";
    EXPECT_EQ(decodePhone(encodePhone("0123D45")), "0123D45");
    EXPECT_EQ(decodePhone(PhoneBytes{0x12, 0x3A, 0x45, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "123")
        << "a nibble of 10 or more other than D ends the number";
    EXPECT_EQ(decodePhone(PhoneBytes{0xD1, 0xEF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "D1");
    EXPECT_EQ(decodePhone(PhoneBytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}), "1234567890123456");
    EXPECT_EQ(decodePhone(PhoneBytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "");
}

TEST(Text16Codec, SingleByteCharactersFilledWith0x0D)
{
    const Text16Bytes hall = encodeText16("Hall");
    EXPECT_EQ(hall[0], 'H');
    EXPECT_EQ(hall[3], 'l');
    for (std::size_t i = 4; i < 16; ++i)
        EXPECT_EQ(hall[i], 0x0D);
    EXPECT_EQ(decodeText16(hall), "Hall");
    EXPECT_EQ(decodeText16(encodeText16("")), "");
    EXPECT_EQ(encodeText16("")[0], 0x0D);

    EXPECT_EQ(decodeText16(encodeText16("Garage door sensor 2")), "Garage door sens");
    const Text16Bytes accented = encodeText16("Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(accented[3], 0xE9);
    EXPECT_EQ(accented[5], 0x80) << "the euro sign of the code page";
    EXPECT_EQ(decodeText16(accented), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(decodeText16(encodeText16("\xE6\x97\xA5")), "?") << "characters the code page lacks";
    // Exactly 16 characters, multi-byte in UTF-8, keep every one of them.
    const std::string sixteen = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    EXPECT_EQ(decodeText16(encodeText16(sixteen)), sixteen);
}

TEST(Text16Codec, ReadingStopsAtTheFirstFill)
{
    Text16Bytes bytes;
    bytes.fill('A');
    EXPECT_EQ(decodeText16(bytes), std::string(16, 'A')) << "no fill at all";
    bytes[2] = 0x0D;
    EXPECT_EQ(decodeText16(bytes), "AA");
    bytes.fill(0xFF);
    std::string erased;
    for (int i = 0; i < 16; ++i)
        erased += "\xC3\xBF"; // y with diaeresis, 0xFF of the code page
    EXPECT_EQ(decodeText16(bytes), erased) << "erased memory holds no fill";
}

TEST(Hex4Codec, FourHexDigitsHighByteFirst)
{
    EXPECT_EQ(encodeHex4("1A2b"), (Hex4Bytes{0x1A, 0x2B}));
    EXPECT_EQ(encodeHex4("0000"), (Hex4Bytes{0x00, 0x00}));
    EXPECT_EQ(encodeHex4("FFFF"), (Hex4Bytes{0xFF, 0xFF}));
    for (const char* bad : {"", "123", "12345", "12G4", " 123", "0x12"})
        EXPECT_EQ(encodeHex4(bad), std::nullopt) << bad;
    EXPECT_EQ(decodeHex4(Hex4Bytes{0x00, 0x0F}), "000F");
    EXPECT_EQ(decodeHex4(Hex4Bytes{0xAB, 0xCD}), "ABCD");
    EXPECT_EQ(decodeHex4(*encodeHex4("beef")), "BEEF");
}

TEST(SingleByteCodecs, AmbushDigitAndSwingerCounter)
{
    EXPECT_EQ(encodeAmbushDigit(7), 0x7F);
    EXPECT_EQ(encodeAmbushDigit(0), 0x0F);
    EXPECT_EQ(decodeAmbushDigit(0x5F), 5);
    EXPECT_EQ(decodeAmbushDigit(0x0F), 0);
    EXPECT_EQ(decodeAmbushDigit(0xA5), 0) << "a high nibble of 10 or more reads as 0";
    EXPECT_EQ(decodeAmbushDigit(0xFF), 0);
    EXPECT_EQ(decodeAmbushDigit(0x9F), 9);

    EXPECT_EQ(encodeSwingerCounter(16), 3) << "16 keeps the low nibble 0, which means 3";
    EXPECT_EQ(encodeSwingerCounter(5), 5);
    EXPECT_EQ(decodeSwingerCounter(0x00), 3);
    EXPECT_EQ(decodeSwingerCounter(0xF7), 7);
}
