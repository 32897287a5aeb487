#include "serial/notice_sink.h"

#include <utility>

#include "serial/comm.h"

namespace dtu {

namespace {

template <typename Call>
void PostTo(EventPoster& poster, const std::weak_ptr<TComm* const>& owner, Call call) {
    poster.Post([owner, call = std::move(call)]() {
        if (auto comm = owner.lock()) {
            call(**comm);
        }
    });
}

}  // namespace

void NoticeSink::ReceiveData(std::string block) const {
    PostTo(poster_, owner_, [block = std::move(block)](TComm& comm) {
        if (comm.OnReceiveData) {
            comm.OnReceiveData(block.data(), static_cast<std::uint16_t>(block.size()));
        }
    });
}

void NoticeSink::ReceiveError(std::uint32_t flags) const {
    PostTo(poster_, owner_, [flags](TComm& comm) {
        if (comm.OnReceiveError) {
            comm.OnReceiveError(flags);
        }
    });
}

void NoticeSink::ModemStateChange(std::uint32_t value) const {
    PostTo(poster_, owner_, [value](TComm& comm) {
        if (comm.OnModemStateChange) {
            comm.OnModemStateChange(value);
        }
    });
}

void NoticeSink::RequestHangup() const {
    PostTo(poster_, owner_, [](TComm& comm) {
        if (comm.OnRequestHangup) {
            comm.OnRequestHangup();
        }
    });
}

void NoticeSink::SendDataEmpty() const {
    PostTo(poster_, owner_, [](TComm& comm) {
        if (comm.OnSendDataEmpty) {
            comm.OnSendDataEmpty();
        }
    });
}

}  // namespace dtu
