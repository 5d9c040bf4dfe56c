#include "framework/CommandIds.h"

#include <vector>

namespace orvane::framework {

namespace {

// Below 0x100 lie the dialog button identifiers (IDOK, IDCANCEL, ...).
constexpr int FirstCommandId = 0x100;

struct CommandIdPool {
    int next = FirstCommandId;
    std::vector<int> released;
};

CommandIdPool& Pool()
{
    static CommandIdPool pool;
    return pool;
}

} // namespace

int NewCommandId()
{
    CommandIdPool& pool = Pool();
    if (!pool.released.empty()) {
        const int id = pool.released.back();
        pool.released.pop_back();
        return id;
    }
    return pool.next++;
}

void ReleaseCommandId(int id) { Pool().released.push_back(id); }

} // namespace orvane::framework
