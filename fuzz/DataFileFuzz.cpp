// Fuzz target: any bytes as a player file or a ranking file must decode without a fault, and
// what is written back must read back the same. The same bytes then drive the file layer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/DataFileCodec.h"
#include "fuzz/FileLayerCheck.h"
#include "state/GameState.h"

using namespace zarvelo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PlayerRecordType fresh = NewPlayerRecord();
    const RankingEntry fallback = EmptyRankingEntry(QDate(2026, 12, 7));

    const PlayerRecordType record = codec::DecodePlayerFile(bytes, fresh);
    const auto ranking = codec::DecodeRankingFile(bytes, fallback);
    if (record.Credit < 0) std::abort();

    // Names without quotes, separators or line ends survive a round trip exactly.
    const bool plainName =
        !record.Name.contains(QLatin1Char('"')) && !record.Name.contains(QLatin1Char('\r')) &&
        !record.Name.contains(QLatin1Char('\n')) && !record.Name.startsWith(QLatin1Char(' ')) &&
        !record.Name.startsWith(QLatin1Char('\t')) && !record.Name.contains(QChar(0xFFFD));
    const PlayerRecordType again = codec::DecodePlayerFile(codec::EncodePlayerLine(record), fresh);
    if (again.Credit != record.Credit || again.BankruptCount != record.BankruptCount ||
        again.GamesPlayed != record.GamesPlayed)
        std::abort();
    if (plainName && again.Name != record.Name) {
        // A name the code page cannot hold is written with "?" and may differ; others may not.
        const QByteArray line = codec::EncodePlayerLine(record);
        if (!line.contains('?')) std::abort();
    }
    for (const RankingEntry& e : ranking) {
        if (!e.Date.isValid()) std::abort();
        (void)codec::EncodeRankingLine(e);
    }
    fuzz::CheckFileLayer(bytes);
    return 0;
}
