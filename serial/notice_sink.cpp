#include "serial/notice_sink.h"

#include <utility>

#include "serial/comm.h"

namespace dtu {

template <typename Call>
void NoticeSink::Post(Call call) const {
    poster_.Post([target = target_, open = open_, call = std::move(call)]() {
        if (auto live = target.lock(); live && live->currentOpen == open) {
            call(live->comm);
        }
    });
}

void NoticeSink::ReceiveData(std::string block, std::shared_ptr<void> credit) const {
    Post([block = std::move(block), credit = std::move(credit)](TComm& comm) {
        if (comm.OnReceiveData) {
            comm.OnReceiveData(block.data(), static_cast<std::uint16_t>(block.size()));
        }
    });
}

void NoticeSink::RequestHangup() const {
    Post([](TComm& comm) {
        if (comm.OnRequestHangup) {
            comm.OnRequestHangup();
        }
    });
}

void NoticeSink::SendDataEmpty() const {
    Post([](TComm& comm) {
        if (comm.OnSendDataEmpty) {
            comm.OnSendDataEmpty();
        }
    });
}

}  // namespace dtu
