#include "lirc/lirc.h"

#include "appliance/Appliance.h"
#include "lirc/captureIo.h"
#include "lirc/decoder.h"
#include "lirc/irLog.h"
#include "lirc/irSample.h"
#include "lirc/outputSink.h"

#include <algorithm>

#include <fcntl.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

Lirc::Lirc(const std::string& device)
    : m_device(device)
    , m_wakeFd(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

Lirc::~Lirc()
{
    if (isRunning())
        requestStop();
    wait();
    // Pairs with the loop's last store: what the thread did happens before
    // the descriptors close, in terms ThreadSanitizer can see as well.
    m_loopActive.load(std::memory_order_acquire);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
    closeDevice_();
}

void Lirc::closeDevice_()
{
    const int fd = m_fd.exchange(-1);
    if (fd >= 0)
        ::close(fd);
}

int Lirc::init(const std::string& device)
{
    if (!device.empty())
        m_device = device;
    if (m_device.empty()) {
        IR_LOG_ERROR("lirc/lirc", "The device isn't set!!");
        return -1;
    }
    if (isRunning())
        return descriptor();
    const int fd = ::open(Appliance::path(m_device).c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -1;
    closeDevice_();
    m_fd.store(fd);
    return fd;
}

void Lirc::adoptDevice(int descriptor)
{
    closeDevice_();
    m_fd.store(descriptor);
}

namespace {

template<class T, class NameOf> void registerOnce(std::vector<T*>& list, T* object, NameOf nameOf)
{
    if (!object)
        return;
    const std::string& name = nameOf(object);
    if (std::none_of(list.begin(), list.end(), [&](T* other) { return nameOf(other) == name; }))
        list.push_back(object);
}

} // namespace

void Lirc::registerDecoder(Decoder* decoder)
{
    std::lock_guard lock(m_registry);
    registerOnce(m_decoders, decoder, [](Decoder* d) -> const std::string& { return d->getDecoderName(); });
}

void Lirc::registerSink(OutputSink* sink)
{
    std::lock_guard lock(m_registry);
    registerOnce(m_sinks, sink, [](OutputSink* s) -> const std::string& { return s->getSinkName(); });
}

void Lirc::unregisterDecoder(Decoder* decoder)
{
    std::lock_guard lock(m_registry);
    std::erase(m_decoders, decoder);
}

void Lirc::unregisterSink(OutputSink* sink)
{
    std::lock_guard lock(m_registry);
    std::erase(m_sinks, sink);
}

std::vector<std::string> Lirc::decoderNames() const
{
    std::lock_guard lock(m_registry);
    std::vector<std::string> names;
    for (const Decoder* d : m_decoders)
        names.push_back(d->getDecoderName());
    return names;
}

std::vector<std::string> Lirc::sinkNames() const
{
    std::lock_guard lock(m_registry);
    std::vector<std::string> names;
    for (const OutputSink* s : m_sinks)
        names.push_back(s->getSinkName());
    return names;
}

void Lirc::enableLearning(bool on)
{
    m_learning.store(on);
    std::lock_guard lock(m_registry);
    for (Decoder* d : m_decoders)
        d->clear();
}

std::uint64_t Lirc::getScanCode()
{
    std::lock_guard lock(m_registry);
    return popScanCode_();
}

void Lirc::pushRawData_(unsigned int sample)
{
    for (Decoder* d : m_decoders)
        d->pushRawData(sample);
}

void Lirc::decode_()
{
    for (Decoder* d : m_decoders)
        d->decode();
}

std::uint64_t Lirc::popScanCode_() { return collectScanCode(m_decoders); }

void Lirc::keyDispatch_(std::uint64_t code)
{
    for (OutputSink* s : m_sinks)
        s->dispatch(code);
}

void Lirc::requestStop()
{
    m_stop.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof one);
}

Lirc::Capture Lirc::captureOne()
{
    unsigned int sample = 0;
    if (::read(m_fd.load(std::memory_order_relaxed), &sample, sizeof sample) != sizeof sample)
        return Capture::ReadFailed;
    // One time read per sample, shared by every decoder on this clock.
    if (m_replay.load(std::memory_order_relaxed))
        m_clock.advanceUs(IrSample::duration(sample));
    else
        m_clock.stampRealTime();

    const bool learning = m_learning.load(std::memory_order_acquire);
    if (learning)
        emit signalIrRecived();
    if (m_stop.load(std::memory_order_acquire))
        return Capture::Stopped;
    {
        // Log lines and the marker file of this sample wait for the lock's release.
        const CaptureIo::Deferral deferral;
        std::lock_guard lock(m_registry);
        pushRawData_(sample);
        decode_();
        // While learning, a completed code waits in its decoder for getScanCode().
        if (!learning) {
            if (const std::uint64_t code = popScanCode_())
                keyDispatch_(code);
        }
    }
    m_samplesRead.fetch_add(1, std::memory_order_release);
    return Capture::Sample;
}

void Lirc::pauseAfterFailedRead_()
{
    pollfd wake {m_wakeFd, POLLIN, 0};
    ::poll(&wake, 1, 500);
}

void Lirc::run()
{
    struct LoopEnd_s {
        std::atomic<bool>& active;
        ~LoopEnd_s() { active.store(false, std::memory_order_release); }
    } loopEnd {m_loopActive};
    m_loopActive.store(true, std::memory_order_relaxed);

    const int epollFd = epoll_create(1);
    if (epollFd < 0) {
        IR_LOG_ERROR("lirc/lirc", "epoll_create() fail");
        return;
    }
    const int device = m_fd.load();
    epoll_event event {};
    event.events = EPOLLIN;
    event.data.fd = device;
    if (epoll_ctl(epollFd, EPOLL_CTL_ADD, device, &event) < 0) {
        IR_LOG_ERROR("lirc/lirc", "epoll_ctl() fail");
        ::close(epollFd);
        return;
    }
    // The wake-up descriptor lets destruction end the wait at once.
    event.data.fd = m_wakeFd;
    epoll_ctl(epollFd, EPOLL_CTL_ADD, m_wakeFd, &event);

    for (;;) {
        if (m_stop.load()) {
            m_stop.store(false);
            break;
        }
        epoll_event ready[2];
        const int count = epoll_wait(epollFd, ready, 2, 500);
        bool readable = false;
        for (int i = 0; i < count; ++i) {
            if (ready[i].data.fd == m_wakeFd) {
                std::uint64_t drained = 0;
                [[maybe_unused]] const ssize_t got = ::read(m_wakeFd, &drained, sizeof drained);
                readable = false;
                break;
            }
            readable = true;
        }
        if (!readable)
            continue;
        if (captureOne() == Capture::ReadFailed) {
            IR_LOG_ERROR("lirc/lirc", "Read data fail");
            if (m_stop.load()) {
                m_stop.store(false);
                break;
            }
            pauseAfterFailedRead_();
        }
    }
    ::close(epollFd);
}
