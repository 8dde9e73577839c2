#include "link/CloneProtocol.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "core/util/Messages.h"
#include "core/util/UserPrompts.h"
#include "link/CloneFraming.h"

namespace zt46 {
namespace {

constexpr int kReplyReads = 31;    // one-byte reads waiting for the answer to a download frame
constexpr std::size_t kPiece = 16; // upload data are read in pieces of this size
constexpr auto kEchoSilence = std::chrono::seconds(3); // no echo for this long: the user is told

} // namespace

void LinkWait(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

CloneProtocol::CloneProtocol(SerialPort& port, const TransferContext& context, bool privileged)
    : m_port(port), m_context(context), m_privileged(privileged), m_waitText(IDS_SWITCH_RADIO) {}

bool CloneProtocol::Fail(int messageId) {
    MessageById(m_context.prompts, messageId, Buttons::Ok, Icon::Stop);
    return false;
}

bool CloneProtocol::FailLead() {
    m_context.prompts.Show(Prompt{IDS_CHECK_LEAD, CheckLeadText(m_port.Settings()), Buttons::Ok, Icon::Stop});
    return false;
}

void CloneProtocol::Step() {
    ++m_blockCounter;
    m_context.progress.SetStep(m_blockCounter);
}

bool CloneProtocol::Handshake(std::uint8_t command, bool& ready) {
    ready = false;
    if (Cancelled()) return false;
    m_context.progress.SetText(m_waitText);
    const auto start = std::chrono::steady_clock::now();
    bool echoHeard = false, silenceShown = false;
    // A dead lead and a cable powered by a switched-off radio both echo nothing: after a while without
    // any echo the user is told so, and the wait goes on.
    const auto noteSilence = [&] {
        if (echoHeard || silenceShown || std::chrono::steady_clock::now() - start < kEchoSilence) return;
        silenceShown = true;
        m_context.progress.SetText(IDS_NO_ECHO);
    };
    std::uint8_t r = 0;
    for (;;) {
        m_port.PurgeTransmit();
        m_port.PurgeReceive();
        // A send whose echo is missing or wrong is ignored here; a byte in the echo's place came from
        // the radio's side and is taken as its answer.
        m_port.Write(&command, 1);
        std::uint8_t echo = 0;
        LinkResult status = m_port.ReadByte(echo);
        const bool echoed = status == LinkResult::Ok && echo == command;
        if (status == LinkResult::Ok && !echoed) {
            r = echo;
        } else {
            echoHeard = echoHeard || echoed;
            status = m_port.ReadByte(r);
        }
        if (status == LinkResult::Error) return FailLead();
        if (status == LinkResult::Timeout) break;
        // The radio is on and answers, yet the lead did not echo: it is not a working lead.
        if (command == clone::kRequestUpload && r == clone::kReady) {
            if (!echoed) return FailLead();
            ready = true;
            LinkWait(150);
            return true;
        }
        if (command == clone::kRequestAlign && r == clone::kRadioHello) {
            if (!echoed) return FailLead();
            LinkWait(5);
            return m_port.SendByte(command) == LinkResult::Ok ? true : FailLead();
        }
        // Anything else (a 0x50 while polling for an upload included) is ignored: poll again.
        if (Cancelled()) return false;
        noteSilence();
    }
    // The radio is switched off: wait, as long as it takes, for it to announce itself. From here on
    // every send must echo: the radio is on, and so is a cable it powers.
    for (;;) {
        const LinkResult status = m_port.ReadByte(r);
        if (status == LinkResult::Ok && (r == clone::kRadioHello || r == clone::kReady)) break;
        if (Cancelled()) return false;
        noteSilence();
    }
    if (silenceShown) m_context.progress.SetText(m_waitText);
    if (r == clone::kReady) {
        ready = true;
        return true;
    }
    if (command == clone::kRequestAlign) {
        LinkWait(5);
        return m_port.SendByte(command) == LinkResult::Ok ? true : FailLead();
    }
    if (m_port.SendByte(clone::kReady) != LinkResult::Ok) return FailLead();
    LinkWait(150);
    LinkWait(500);
    return m_port.SendByte(command) == LinkResult::Ok ? true : FailLead();
}

bool CloneProtocol::ReadFrameByte(std::uint8_t& byte) {
    const LinkResult status = m_port.ReadByte(byte);
    if (status == LinkResult::Ok) return true;
    return Fail(status == LinkResult::Timeout ? IDS_TIMEOUT : IDS_COMM_ERROR);
}

bool CloneProtocol::Upload(CloneImage& buffer) {
    if (Cancelled()) return false;
    bool ready = false;
    if (!Handshake(clone::kRequestUpload, ready)) return false;
    std::size_t total = 0;
    while (total < kImageSize) {
        if (Cancelled()) return false;
        std::uint8_t lead = clone::kReady;
        if (ready) {
            ready = false; // the handshake's 0x20 is this frame's lead byte
        } else if (!ReadFrameByte(lead)) {
            return false;
        }
        std::uint8_t length = 0, block = 0;
        if (!ReadFrameByte(length)) return false;
        // The data must fit the image: a length below 3, or data past byte 4095, is not a frame of ours.
        if (!UploadFrameFits(length, total)) return Fail(IDS_COMM_ERROR);
        if (!ReadFrameByte(block)) return false;
        unsigned sum = static_cast<unsigned>(lead) + length + block;
        const std::size_t count = length - 2u;
        for (std::size_t done = 0; done < count;) {
            const std::size_t piece = std::min(kPiece, count - done);
            std::uint8_t* at = buffer.data() + total + done;
            const LinkResult status = m_port.ReadBlock(at, piece);
            if (status != LinkResult::Ok)
                return Fail(status == LinkResult::Timeout ? IDS_TIMEOUT : IDS_COMM_ERROR);
            sum += FrameSum({at, piece});
            done += piece;
        }
        std::uint8_t check = 0;
        const LinkResult status = m_port.ReadByte(check);
        if (status != LinkResult::Ok)
            return Fail(status == LinkResult::Timeout ? IDS_TIMEOUT : IDS_COMM_ERROR);
        if (check != static_cast<std::uint8_t>(sum)) {
            m_port.SendByte(clone::kNak);
            return Fail(IDS_BCC_ERROR);
        }
        m_port.SendByte(clone::kAck);
        total += count;
        Step();
    }
    return true;
}

bool CloneProtocol::ReadAndMerge(CloneImage& buffer, CloneImage& user, CloneImage* asRead) {
    if (Cancelled()) return false;
    if (!Upload(buffer)) return false;
    if (Cancelled()) return false;
    std::copy_n(buffer.begin(), 2, user.begin());
    m_radioRead = true;
    if (asRead) *asRead = buffer;
    if (!SameHardware(buffer, user)) return Fail(IDS_HARDWARE_MISMATCH);
    MergeIntoRadioImage(buffer, user, m_privileged);
    return !Cancelled();
}

bool CloneProtocol::Download(const CloneImage& buffer) {
    if (Cancelled()) return false;
    m_port.PurgeTransmit();
    m_port.PurgeReceive();
    m_port.SendByte(clone::kStartDownload);
    LinkWait(100);
    std::size_t total = 0;
    int blockNumber = 0;
    std::vector<std::uint8_t> frame;
    while (total < kImageSize) {
        if (Cancelled()) return false;
        const std::size_t count = std::min(clone::kFrameData, kImageSize - total);
        frame = DownloadFrameHead(m_privileged, count, blockNumber);
        const unsigned headSum = FrameSum(frame);
        frame.insert(frame.end(), buffer.begin() + static_cast<long>(total),
                     buffer.begin() + static_cast<long>(total + count));
        // The head and the data go out as one run; the check byte sums the data as they echoed back.
        // A failed send is not acted on here: the radio's reply decides.
        m_port.SendWithEcho(frame.data(), frame.size());
        const std::uint8_t check = FrameSum({frame.data() + 3, count}, static_cast<std::uint8_t>(headSum));
        m_port.SendByte(check);
        LinkWait(10);
        std::uint8_t reply = 0;
        LinkResult status = LinkResult::Timeout;
        for (int i = 0; i < kReplyReads && status == LinkResult::Timeout; ++i) {
            if (Cancelled()) return Fail(IDS_COMM_ERROR);
            status = m_port.ReadByte(reply);
        }
        if (status == LinkResult::Timeout) return Fail(IDS_TIMEOUT);
        if (status != LinkResult::Ok) return Fail(IDS_COMM_ERROR);
        if (reply == clone::kNak) return Fail(IDS_BCC_ERROR);
        if (reply != clone::kAck) return Fail(IDS_COMM_ERROR);
        total += count;
        ++blockNumber;
        LinkWait(50);
        Step();
    }
    return true;
}

} // namespace zt46
