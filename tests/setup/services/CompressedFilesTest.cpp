// ExpandCompressedFile: the temporary file, names taken from the compressed file for AUTO.EXT,
// and damaged sources that leave no temporary file behind.
#include "services/CompressedFiles.h"

#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/SzddFixture.h"

#include <gtest/gtest.h>

namespace {

const std::string kTemporary = "C:\\WINDOWS\\TEMP\\EXPAND.BST";

} // namespace

TEST(CompressedFiles, DestinationAndTemporaryFile) {
    struct Row {
        std::string source;
        std::string compressedBytes;
        std::string requested;
        std::string destination;
    };
    const std::string text = "Read me first.\r\n";
    const Row rows[] = {
        {"C:\\MEDIA\\readme.tx_", literalSzdd(text, 't'), "C:\\APP\\AUTO.EXT",
         "C:\\APP\\README.TXT"},
        {"C:\\MEDIA\\readme.tx_", literalSzdd(text, 't'), "C:\\APP\\DOC.TXT", "C:\\APP\\DOC.TXT"},
        {"C:\\MEDIA\\readme.txt_", literalSzdd(text, '\0'), "C:\\APP\\AUTO.EXT",
         "C:\\APP\\README.TXT"},
        {"C:\\MEDIA\\plain.txt", text, "C:\\APP\\AUTO.EXT", "C:\\APP\\PLAIN.TXT"},
        {"C:\\MEDIA\\readme.tx_", literalSzdd(text, 't'), J("C:\\ソフト\\AUTO.EXT"),
         J("C:\\ソフト\\README.TXT")},
        // Only the exact name AUTO.EXT asks for the stored name.
        {"C:\\MEDIA\\readme.tx_", literalSzdd(text, 't'), "C:\\APP\\auto.ext", "C:\\APP\\auto.ext"},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        m.write(row.source, row.compressedBytes);
        m.write(kTemporary, "left over from an earlier file");
        EXPECT_EQ(ExpandCompressedFile(m.context, row.source, row.requested),
                  kTemporary + "," + row.destination);
        EXPECT_EQ(m.read(kTemporary), text);
    }
}

TEST(CompressedFiles, DamagedSourcesLeaveNoTemporaryFile) {
    const std::string good = literalSzdd("some text to expand", 't');
    const std::string rows[] = {
        good.substr(0, good.size() - 3),          // truncated data
        good.substr(0, 12),                       // truncated header
        good.substr(0, 8) + "B" + good.substr(9), // unknown compression mode
    };
    for (const std::string& bytes : rows) {
        EmulatedMachine m;
        m.write("C:\\MEDIA\\BAD.TX_", bytes);
        m.write(kTemporary, "old");
        EXPECT_EQ(ExpandCompressedFile(m.context, "C:\\MEDIA\\BAD.TX_", "C:\\APP\\BAD.TXT"),
                  kTemporary + ",C:\\APP\\BAD.TXT");
        EXPECT_FALSE(m.exists(kTemporary));
    }
    EmulatedMachine m;
    EXPECT_EQ(ExpandCompressedFile(m.context, "C:\\MEDIA\\NONE.TX_", "C:\\APP\\AUTO.EXT"),
              kTemporary + ",C:\\APP\\NONE.TX_");
    EXPECT_FALSE(m.exists(kTemporary));
}

TEST(CompressedFiles, ExpandsWhatMscompressWrites) {
    if (!haveMscompress()) {
        GTEST_SKIP() << "mscompress (Debian package mscompress) is not installed";
    }
    EmulatedMachine m;
    const std::string text = repetitiveText();
    const std::string compressed = mscompress(m.folder, text);
    ASSERT_FALSE(compressed.empty());
    ASSERT_LT(compressed.size(), text.size() / 2); // it did use back references
    m.write("C:\\MEDIA\\LOG.TXT_", compressed);
    EXPECT_EQ(ExpandCompressedFile(m.context, "C:\\MEDIA\\LOG.TXT_", "C:\\APP\\AUTO.EXT"),
              kTemporary + ",C:\\APP\\LOG.TXT");
    EXPECT_EQ(m.read(kTemporary), text);
}
