#include "core/common/Cp1252.h"
#include "core/transfer/HandsetIdentity.h"
#include "core/transfer/NameField.h"
#include "core/transfer/PackedNumber.h"
#include "core/transfer/PictureRecords.h"

#include <gtest/gtest.h>

#include <array>

TEST(PackedNumber, EveryCodePacksAndUnpacksInOrder)
{
    const PackedNumber p = PackedNumber::Pack("0123456789*#FP");
    EXPECT_EQ(p.count, 14);
    const std::array<std::uint8_t, 16> expected{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xDE, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(p.codes, expected);
    EXPECT_EQ(p.Unpack(), "0123456789*#FP");
}

TEST(PackedNumber, OtherCharactersTakeNoNibble)
{
    const PackedNumber p = PackedNumber::Pack("(555) 1234");
    EXPECT_EQ(p.count, 7);
    EXPECT_EQ(p.Unpack(), "5551234");
    EXPECT_EQ(PackedNumber::Pack("1f2p").Unpack(), "1F2P");
    const PackedNumber star = PackedNumber::Pack("*67#P12");
    EXPECT_EQ(star.count, 7);
    EXPECT_EQ(star.codes[0], 0xA6);
    EXPECT_EQ(star.codes[1], 0x7B);
    EXPECT_EQ(star.codes[2], 0xE1);
    EXPECT_EQ(star.codes[3], 0x20);
}

TEST(PackedNumber, UnpackingHonoursCountAndLimit)
{
    PackedNumber p;
    p.codes.fill(0x11);
    p.count = 0;
    EXPECT_EQ(p.Unpack(), "");
    p.count = 200;
    EXPECT_EQ(p.Unpack(), std::string(32, '1'));
    p.codes[0] = 0xC5;  // 12 and 15 stand for nothing
    p.codes[1] = 0x5F;
    p.count = 4;
    EXPECT_EQ(p.Unpack(), "55");
}

TEST(PackedNumber, MoreThanThirtyTwoDigitsStopAtTheField)
{
    const PackedNumber p = PackedNumber::Pack(std::string(40, '7'));
    EXPECT_EQ(p.count, 32);
    EXPECT_EQ(p.Unpack(), std::string(32, '7'));
}

TEST(NameField, SixteenCharactersFillTheFieldWithoutTerminator)
{
    std::array<std::uint8_t, 16> field{};
    WriteNameField(field, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(field.back(), 'P');
    EXPECT_EQ(ReadNameField(field), "ABCDEFGHIJKLMNOP");
    WriteNameField(field, "Bob");
    EXPECT_EQ(field[3], 0);
    EXPECT_EQ(ReadNameField(field), "Bob");
}

TEST(HandsetIdentity, BytesAndHexKeepStoredOrder)
{
    const std::array<std::uint8_t, 6> raw{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const HandsetIdentity id = HandsetIdentity::FromBytes(raw);
    EXPECT_EQ(id.part32, 0x78563412u);
    EXPECT_EQ(id.part16, 0xBC9A);
    EXPECT_EQ(id.ToHex(), "123456789abc");
}

TEST(Cp1252, ConvertsBothWaysAndRefusesWhatTheHandsetCannotStore)
{
    const std::string bytes = "Caf\xE9 \x80 \x9C";
    const QString text = Cp1252::ToUnicode(bytes);
    EXPECT_EQ(text, QStringLiteral(u"Café € œ"));
    EXPECT_EQ(Cp1252::FromUnicode(text), bytes);
    EXPECT_FALSE(Cp1252::FromUnicode(QStringLiteral(u"Ωmega")).has_value());
    EXPECT_TRUE(Cp1252::CanEncode(QChar(u'€')));
    EXPECT_FALSE(Cp1252::CanEncode(QChar(u'Ω')));
    // The five undefined bytes survive a round trip.
    EXPECT_EQ(Cp1252::FromUnicode(Cp1252::ToUnicode("\x81\x8D")), std::string("\x81\x8D"));
}

TEST(PictureRecords, HeaderAndNameRecord)
{
    EXPECT_EQ(PicturePayloadHeader(128, 128), (std::array<std::uint8_t, 4>{0x80, 0x80, 0, 0}));
    EXPECT_EQ(PicturePayloadHeader(300, 2), (std::array<std::uint8_t, 4>{2, 300 & 0xFF, 0, 0}));
    const auto r = ImageNameRecord({2, 7, 0x0102}, "Holiday at the lake");
    EXPECT_EQ(r[0], 2);
    EXPECT_EQ(r[1], 7);
    EXPECT_EQ(r[2], 0x02);
    EXPECT_EQ(r[3], 0x01);
    EXPECT_EQ(std::string(r.begin() + 4, r.end()), "Holiday at the l");
}
