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
    const RankingEntry fallback = EmptyRankingEntry(QDate(2026, 12, 7));

    if (const auto record = codec::DecodePlayerFile(bytes)) {
        if (record->Credit < 0 || record->BankruptCount < 0 || record->GamesPlayed < 0 ||
            record->Name.isEmpty())
            std::abort();
        // Names without quotes, separators or line ends survive a round trip exactly.
        const bool plainName =
            !record->Name.contains(QLatin1Char('"')) && !record->Name.contains(QLatin1Char(',')) &&
            !record->Name.contains(QChar(0x1A)) && !record->Name.contains(QChar(0xFFFD));
        const QByteArray line = codec::EncodePlayerLine(*record);
        // What is written is one complete record, whatever stray bytes follow it.
        const auto again = codec::DecodePlayerFile(line + bytes.right(1) + "\x1a" + bytes);
        if (plainName && !again) std::abort();
        if (again && plainName &&
            (again->Credit != record->Credit || again->BankruptCount != record->BankruptCount ||
             again->GamesPlayed != record->GamesPlayed ||
             (again->Name != record->Name && !line.contains('?'))))
            std::abort();
    }
    if (const auto ranking = codec::DecodeRankingFile(bytes, fallback)) {
        for (const RankingEntry& e : *ranking) {
            if (!e.Date.isValid()) std::abort();
            (void)codec::EncodeRankingLine(e);
        }
    }
    fuzz::CheckFileLayer(bytes);
    return 0;
}
