#include "registry/prepared_walk.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

#include "registry/file_source.h"

namespace vexlor {
namespace {

// Items travel in small groups, so that the threads rarely meet at the lock.
constexpr size_t kGroupSize = 128;
// Groups prepared ahead at most: a few hundred files, however many there are.
constexpr size_t kGroupsAhead = 4;

using Group = std::vector<WalkItem>;

// Groups from the searching thread to the storing one.
class GroupQueue {
public:
    // False once the storing thread wants no more.
    bool Push(Group&& group) {
        std::deque<Group> spent;
        std::unique_lock lock(m_mutex);
        m_notFull.wait(lock, [&] { return m_bStopped || m_groups.size() < kGroupsAhead; });
        if (m_bStopped) return false;
        m_groups.push_back(std::move(group));
        m_notEmpty.notify_one();
        spent.swap(m_spent);
        lock.unlock();
        return true;  // the spent groups are freed here, by the thread that made them
    }
    // A group the storing thread is done with.
    void GiveBack(Group&& group) {
        std::lock_guard lock(m_mutex);
        m_spent.push_back(std::move(group));
    }
    // The searching thread is done; error: what ended it, if anything did.
    void Finish(std::exception_ptr error) {
        std::lock_guard lock(m_mutex);
        m_bFinished = true;
        m_error = std::move(error);
        m_notEmpty.notify_one();
    }
    // The next group; false at the end, once every group is taken.
    bool Pop(Group& group) {
        std::unique_lock lock(m_mutex);
        m_notEmpty.wait(lock, [&] { return m_bFinished || !m_groups.empty(); });
        if (m_groups.empty()) {
            if (m_error) std::rethrow_exception(m_error);
            return false;
        }
        group = std::move(m_groups.front());
        m_groups.pop_front();
        m_notFull.notify_one();
        return true;
    }
    // The storing thread wants no more: a waiting Push returns false.
    void Stop() {
        std::lock_guard lock(m_mutex);
        m_bStopped = true;
        m_notFull.notify_one();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_notFull;
    std::condition_variable m_notEmpty;
    std::deque<Group> m_groups;
    std::deque<Group> m_spent;  // taken, to be freed by the searching thread
    bool m_bFinished = false;
    bool m_bStopped = false;
    std::exception_ptr m_error;
};

void Search(const std::vector<std::string>& paths, GroupQueue& queue) {
    Group group;
    bool bGoOn = true;
    auto add = [&](WalkItem&& item) {
        group.push_back(std::move(item));
        if (group.size() < kGroupSize) return true;
        bGoOn = queue.Push(std::move(group));
        group.clear();
        return bGoOn;
    };
    auto note = [&](WalkItem::Kind kind, const std::string& strPath, const std::string& strReason) {
        WalkItem item;
        item.kind = kind;
        item.strPath = strPath;
        item.strReason = strReason;
        add(std::move(item));
    };
    const ImportWalk walk{
        [&](const std::string& strPath, bool bByName) {
            WalkItem item;
            item.strPath = strPath;
            item.file = PrepareFile(strPath, bByName);
            return add(std::move(item));
        },
        [&](const std::string& strPath, const std::string& strReason) { note(WalkItem::Kind::Error, strPath, strReason); },
        [&](const std::string& strPath, const std::string& strReason) {
            note(WalkItem::Kind::Skipped, strPath, strReason);
        },
    };
    for (const std::string& strPath : paths) {
        if (!bGoOn) return;
        ForEachImportFile(strPath, walk);
    }
    if (bGoOn && !group.empty()) queue.Push(std::move(group));
}

}  // namespace

void ForEachPreparedFile(const std::vector<std::string>& paths, const std::function<bool(WalkItem&)>& onItem) {
    GroupQueue queue;
    std::thread searcher([&] {
        std::exception_ptr error;
        try {
            Search(paths, queue);
        } catch (...) {
            error = std::current_exception();
        }
        queue.Finish(std::move(error));
    });
    // However this thread leaves, the searcher is told to stop and is waited for.
    struct Joiner {
        GroupQueue& queue;
        std::thread& thread;
        ~Joiner() {
            queue.Stop();
            thread.join();
        }
    } joiner{queue, searcher};

    Group group;
    while (queue.Pop(group)) {
        for (WalkItem& item : group) {
            if (!onItem(item)) return;
        }
        queue.GiveBack(std::move(group));
        group = {};
    }
}

}  // namespace vexlor
