#include "serial/write_worker.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace dtu {

namespace {

enum class WriteResult { Written, Closing, Failed };

// Waits until the port takes more bytes or closes.
WriteResult WaitWritable(const PortSession& session) {
    for (;;) {
        std::array<pollfd, 2> fds = {{{session.closeFd, POLLIN, 0}, {session.fd, POLLOUT, 0}}};
        int ready = poll(fds.data(), fds.size(), -1);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0) {
            return WriteResult::Failed;
        }
        if (fds[0].revents != 0) {
            return WriteResult::Closing;
        }
        if ((fds[1].revents & POLLOUT) != 0) {
            return WriteResult::Written;
        }
        return WriteResult::Failed;
    }
}

WriteResult WriteWhole(const PortSession& session, const std::string& block) {
    std::size_t done = 0;
    while (done < block.size()) {
        ssize_t n = write(session.fd, block.data() + done, block.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EAGAIN) {
            if (WriteResult waited = WaitWritable(session); waited != WriteResult::Written) {
                return waited;
            }
            continue;
        }
        return WriteResult::Failed;
    }
    return WriteResult::Written;
}

}  // namespace

bool WriteQueue::Push(std::string block) {
    {
        std::lock_guard lock(mutex_);
        if (closed_ || writerEnded_) {
            return false;
        }
        blocks_.push_back(std::move(block));
    }
    changed_.notify_one();
    return true;
}

void WriteQueue::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        blocks_.clear();
    }
    changed_.notify_all();
}

std::optional<std::string> WriteQueue::TryPop() {
    std::lock_guard lock(mutex_);
    if (closed_ || blocks_.empty()) {
        return std::nullopt;
    }
    std::string block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

bool WriteQueue::WaitForWork() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return closed_ || !blocks_.empty(); });
    return !closed_;
}

void WriteQueue::MarkWriterEnded() {
    std::lock_guard lock(mutex_);
    writerEnded_ = true;
    blocks_.clear();
}

void RunWriter(PortSession& session, WriteQueue& queue) {
    bool emptyNoticeArmed = true;
    for (;;) {
        std::optional<std::string> block = queue.TryPop();
        if (!block) {
            if (emptyNoticeArmed) {
                session.notices.SendDataEmpty();
                emptyNoticeArmed = false;
            }
            if (!queue.WaitForWork()) {
                break;
            }
            continue;
        }
        WriteResult result = WriteWhole(session, *block);
        if (result == WriteResult::Closing) {
            break;
        }
        if (result == WriteResult::Failed) {
            // Refuse further blocks before anyone hears of the failure.
            queue.MarkWriterEnded();
            session.ReportLost();
            return;
        }
        emptyNoticeArmed = true;
    }
    queue.MarkWriterEnded();
}

}  // namespace dtu
