// zt46-radio: a simulated KSR-410 on a pseudo-terminal, for tests, benchmarks and demonstrations.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "core/document/FactoryImage.h"
#include "core/image/Fields.h"
#include "sim/PtyRadio.h"
#include "sim/RadioModel.h"

namespace {

using zt46::sim::Faults;
using zt46::sim::PtyOptions;
using zt46::sim::Readings;

constexpr const char* kHelp = R"(Usage: zt46-radio [OPTIONS]
A simulated KSR-410 on a pseudo-terminal. Prints the device path on stdout, then plays the radio:
echoes every byte the PC sends (as the cable does), answers upload and download, enters alignment
mode and answers the alignment commands. Bytes it sends are paced at the wire rate.

Memory and line:
  --image FILE          load the memory from a .T46 clone file (default: the factory image)
  --save FILE           write the memory as a clone file on SIGUSR1, after each download and at exit
  --link PATH           also make PATH a symbolic link to the device
  --baud N              pace the bytes at N baud, 10 bits a byte (default 9600)
  --fast                no pacing at all
  --hardware N          hardware option bits (image byte 7, bits 2..1) set to N (0..3)

Readings in alignment mode:
  --rssi N              signal strength in the status reply (default 128)
  --sqs N               squelch reading in the status reply (default 64)
  --vor N               raw VOR bearing, 0..65535 (default 997)
  --readings FILE       re-read "rssi N", "sqs N" and "vor N" lines from FILE before each status or
                        bearing reply, so a test can change them while the radio runs

Faults:
  --off                 switched off: silent until SIGUSR2 (or --on-after) switches it on; it then
                        announces itself with 0x50
  --on-after MS         switched off, and switches itself on after MS milliseconds
  --on-when-polled      switched off; the PC's first 0x70 switches it on and is answered with 0x50
  --frame-size N        upload frames of N data bytes (1..253, default 128; the last holds the rest)
  --overrun             the last upload frame is full length and runs past the memory
  --bad-check K         upload frame K (from 0) has a wrong check byte
  --silent-after K      no upload frame after frame K
  --truncate K          upload frame K stops half way through its data
  --bad-length K:L      upload frame K carries the length byte L
  --nak-download K      download frame K is answered 0x15
  --mute-download K     download frame K is not answered
  --store-wrong ADDRESS the byte at memory ADDRESS (0..4095, decimal or 0x hex) is stored inverted
                        whenever a download frame or an alignment word writes it, though the radio
                        acknowledges the write
  --no-echo             the line does not echo the PC's bytes
  --echo-while-on       a cable powered by the radio: it echoes only while the radio is on
  --accept-code         alignment commands are accepted with their own code instead of 0x06
  --align-refuse C      alignment command C (hex, e.g. 31) is answered 0x15
  --align-silent C      alignment command C is not answered
  --align-bad-length C  the reply frame to command C is one data byte too long
  --align-bad-byte C    the reply frame to command C has a wrong checksum byte
  (the alignment switches may be repeated)

Signals: SIGUSR1 writes the memory (--save), SIGUSR2 switches the radio on, SIGTERM/SIGINT/SIGHUP end.
)";

bool ParseInt(const std::string& text, int& value, int base = 10) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, base);
    if (text.empty() || *end != '\0') return false;
    value = static_cast<int>(v);
    return true;
}

// Lines "rssi N", "sqs N", "vor N"; anything else, and a missing file, leaves the readings as they are.
void ReadReadings(const std::string& path, Readings& readings) {
    std::ifstream in(path);
    std::string key;
    long value = 0;
    while (in >> key >> value) {
        if (key == "rssi" && value >= 0 && value <= 255) readings.rssi = static_cast<std::uint8_t>(value);
        if (key == "sqs" && value >= 0 && value <= 255) readings.sqs = static_cast<std::uint8_t>(value);
        if (key == "vor" && value >= 0 && value <= 65535) readings.vor = static_cast<std::uint16_t>(value);
    }
}

bool LoadImage(const std::string& path, zt46::CloneImage& image) {
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return in.gcount() == static_cast<std::streamsize>(image.size());
}

} // namespace

int main(int argc, char** argv) {
    zt46::CloneImage memory = zt46::FactoryImage();
    Faults faults;
    Readings readings;
    PtyOptions options;
    int hardware = -1;
    std::string readingsFile;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto number = [&](int& out, int base = 10) {
            std::string text;
            return value(text) && ParseInt(text, out, base);
        };
        auto command = [&](std::set<std::uint8_t>& set) {
            int code = 0;
            if (!number(code, 16) || code < 0 || code > 255) return false;
            set.insert(static_cast<std::uint8_t>(code));
            return true;
        };
        int n = 0;
        std::string text;
        bool ok = true;
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (a == "--image") {
            ok = value(text) && LoadImage(text, memory);
        } else if (a == "--save") {
            ok = value(options.savePath);
        } else if (a == "--link") {
            ok = value(options.linkPath);
        } else if (a == "--baud") {
            ok = number(options.baud) && options.baud > 0;
        } else if (a == "--fast") {
            options.baud = 0;
        } else if (a == "--hardware") {
            ok = number(hardware) && hardware >= 0 && hardware <= 3;
        } else if (a == "--rssi" || a == "--sqs") {
            ok = number(n) && n >= 0 && n <= 255;
            (a == "--rssi" ? readings.rssi : readings.sqs) = static_cast<std::uint8_t>(n);
        } else if (a == "--vor") {
            ok = number(n) && n >= 0 && n <= 65535;
            readings.vor = static_cast<std::uint16_t>(n);
        } else if (a == "--readings") {
            ok = value(readingsFile);
        } else if (a == "--off") {
            faults.switchedOff = true;
        } else if (a == "--on-after") {
            ok = number(options.switchOnAfterMs) && options.switchOnAfterMs >= 0;
            faults.switchedOff = true;
        } else if (a == "--on-when-polled") {
            faults.onWhenPolled = true;
        } else if (a == "--frame-size") {
            ok = number(faults.frameSize) && faults.frameSize >= 1 && faults.frameSize <= 253;
        } else if (a == "--overrun") {
            faults.overrun = true;
        } else if (a == "--bad-check") {
            ok = number(faults.badCheckFrame);
        } else if (a == "--silent-after") {
            ok = number(faults.silentAfterFrame);
        } else if (a == "--truncate") {
            ok = number(faults.truncateFrame);
        } else if (a == "--bad-length") {
            const std::size_t colon = (ok = value(text)) ? text.find(':') : std::string::npos;
            ok = colon != std::string::npos && ParseInt(text.substr(0, colon), faults.badLengthFrame) &&
                 ParseInt(text.substr(colon + 1), faults.badLength) && faults.badLength >= 0 &&
                 faults.badLength <= 255;
        } else if (a == "--nak-download") {
            ok = number(faults.nakDownloadFrame);
        } else if (a == "--mute-download") {
            ok = number(faults.muteDownloadFrame);
        } else if (a == "--store-wrong") {
            ok = number(faults.storeWrongAt, 0) && faults.storeWrongAt >= 0 &&
                 faults.storeWrongAt < static_cast<int>(zt46::kImageSize);
        } else if (a == "--no-echo") {
            options.echo = zt46::sim::CableEcho::Never;
        } else if (a == "--echo-while-on") {
            options.echo = zt46::sim::CableEcho::WhileRadioOn;
        } else if (a == "--accept-code") {
            faults.acceptWithCode = true;
        } else if (a == "--align-refuse") {
            ok = command(faults.alignRefuse);
        } else if (a == "--align-silent") {
            ok = command(faults.alignSilent);
        } else if (a == "--align-bad-length") {
            ok = command(faults.alignBadLength);
        } else if (a == "--align-bad-byte") {
            ok = command(faults.alignBadByte);
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr,
                         "zt46-radio: bad option or value: %s\nRun 'zt46-radio --help' for the options.\n",
                         a.c_str());
            return 1;
        }
    }
    if (hardware >= 0)
        zt46::SetField(memory, zt46::fields::HardwareConfiguration, static_cast<unsigned>(hardware));
    zt46::sim::RadioModel model(memory, faults, readings);
    if (!readingsFile.empty()) {
        model.SetReadingsSource([readingsFile](Readings& r) { ReadReadings(readingsFile, r); });
    }
    zt46::sim::PtyRadio radio(model, options);
    if (!radio.Open()) return 2;
    std::printf("%s\n", radio.DevicePath().c_str());
    std::fflush(stdout);
    return radio.Run();
}
