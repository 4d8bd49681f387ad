// SPDX-License-Identifier: GPL-3.0-or-later
#include "archive.h"
#include "test_helpers.h"
#include "wayentry.h"

#include <gtest/gtest.h>

namespace {

std::string Store(const std::function<void(CArchive&)>& write) {
    CMemorySink sink;
    CArchive ar(sink, "mem.ckb");
    write(ar);
    ar.Flush();
    return sink.Bytes();
}

TEST(Archive, StringLengthFormsRoundTrip) {
    struct Case {
        std::size_t length;
        std::size_t prefix;
    } cases[] = {{0, 1}, {254, 1}, {255, 3}, {65533, 3}, {65534, 7}, {70000, 7}};
    for (const auto& c : cases) {
        std::string text(c.length, 'x');
        if (c.length)
            text.back() = 'y';
        const std::string bytes = Store([&](CArchive& ar) { ar.WriteString(text); });
        ASSERT_EQ(bytes.size(), c.length + c.prefix) << c.length;
        CMemorySource src(bytes);
        CArchive in(src, "mem.ckb");
        EXPECT_EQ(in.ReadString(), text) << c.length;
        EXPECT_EQ(in.GetPosition(), bytes.size());
    }
}

TEST(Archive, PrefixBytesOfTheLongForms) {
    const std::string s16 = Store([](CArchive& ar) { ar.WriteString(std::string(300, 'a')); });
    EXPECT_EQ(s16.substr(0, 3), std::string("\xFF\x2C\x01", 3));
    const std::string s32 = Store([](CArchive& ar) { ar.WriteString(std::string(70000, 'a')); });
    EXPECT_EQ(s32.substr(0, 7), std::string("\xFF\xFF\xFF", 3) + U32(70000));
}

TEST(Archive, ReadingPastTheEndFailsWithNameAndOffset) {
    CMemorySource src(std::string("\x05"
                                  "ab",
                                  3));
    CArchive ar(src, "short.ckb");
    try {
        ar.ReadString();
        FAIL() << "no failure";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
        EXPECT_NE(std::string(e.what()).find("short.ckb"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("ends early"), std::string::npos);
    }
}

TEST(Archive, HugeStringLengthFailsBeforeAllocating) {
    // 0xFF, 0xFFFF, then a 32-bit length of 4 GiB - 1 over a file of a few bytes.
    CMemorySource src(std::string("\xFF\xFF\xFF", 3) + U32(0xFFFFFFFFu) + "abc");
    CArchive ar(src, "big.ckb");
    EXPECT_THROW(ar.ReadString(), CArchiveException);
}

TEST(Archive, NumbersAreLittleEndian) {
    const std::string bytes = Store([](CArchive& ar) {
        ar.WriteUInt32(0x01020304);
        ar.WriteDouble(1.0);
    });
    EXPECT_EQ(bytes, std::string("\x04\x03\x02\x01", 4) + std::string("\0\0\0\0\0\0\xF0\x3F", 8));
}

TEST(WayEntryRecord, DefaultFullLayoutIs34Bytes) {
    CWayEntry entry;
    const std::string bytes =
        Store([&](CArchive& ar) { entry.Serialize(ar, ERecordLayout::native); });
    const std::string expected = std::string("\0\0", 2) + U32(0) + std::string("\0\x01", 2) +
                                 F64(0) + F64(0) + F64(0) + std::string("\0\0", 2);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 34u);
}

TEST(WayEntryRecord, WptLayoutNegatesLatitudeAndFoldsIcon) {
    CWayEntry entry("HOME", "x", 47.5, -122.25, 100.0, 1, 1);
    entry.m_nIcon = 45;
    entry.m_strAdditionalInfo = "gone in WPT";
    const std::string bytes = Store([&](CArchive& ar) { entry.Serialize(ar, ERecordLayout::wpt); });
    EXPECT_EQ(bytes.size(), 5u + 2u + 4 + 1 + 1 + 24);
    EXPECT_EQ(static_cast<unsigned char>(bytes[11]), 3);
    EXPECT_EQ(bytes.substr(bytes.size() - 8), F64(-47.5));
    CMemorySource src(bytes);
    CArchive in(src, "x.wpt");
    CWayEntry back;
    back.Serialize(in, ERecordLayout::wpt);
    EXPECT_EQ(back.m_dLatitude, 47.5);
    EXPECT_EQ(back.m_dLongitude, -122.25);
    EXPECT_EQ(back.m_nIcon, 3);
    EXPECT_EQ(back.m_bGeocache, 0);
    EXPECT_EQ(back.m_strAdditionalInfo, "");
}

TEST(WayEntryRecord, ShortLayoutLeavesTheTailForTheNextRecord) {
    CWayEntry a("A", "", 1, 2, 3, 1, 1);
    a.m_strAdditionalInfo = "info";
    const std::string bytes = Store([&](CArchive& ar) { a.Serialize(ar, ERecordLayout::native); });
    CMemorySource src(bytes);
    CArchive in(src, "x.dat");
    CWayEntry back;
    back.Serialize(in, ERecordLayout::shortRecord);
    EXPECT_EQ(back.m_bGeocache, 0);
    EXPECT_EQ(back.m_strAdditionalInfo, "");
    EXPECT_EQ(in.GetPosition(), bytes.size() - 6); // geocache byte + "info" left unread
}

} // namespace
