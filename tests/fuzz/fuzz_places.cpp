// The place search over any text, with any limit (the first byte): at most `limit` places, each once, all of
// the gazetteer; and the fold it searches by is stable, so that a folded text finds what the text finds.
#include "FuzzSupport.h"
#include "Places.h"

#include <set>

using namespace quorvis;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int limit = (data[0] >> 1) - 8;
    const QString text = fuzz::Text(data, size);
    const places::Gazetteer &gazetteer = places::Gazetteer::instance();
    const std::vector<const places::Place *> found = gazetteer.search(text, limit);

    FUZZ_CHECK(found.size() <= std::size_t(std::max(limit, 0)));
    FUZZ_CHECK(std::set<const places::Place *>(found.begin(), found.end()).size() == found.size());
    const places::Place *first = gazetteer.places().data();
    for (const places::Place *place : found)
        FUZZ_CHECK(place >= first && place < first + gazetteer.places().size());

    const QString key = places::SearchKey(text);
    FUZZ_CHECK(places::SearchKey(key) == key);
    FUZZ_CHECK(gazetteer.search(key, limit) == found);
    return 0;
}
