#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO planted where the program expects a file, for code that must never wait on one: it notes whether anything
// opened it for reading and lets such a reader go at once (end of file), so the test fails instead of hanging.
class PlantedFifo
{
public:
    explicit PlantedFifo(const QString& path)
        : m_path(QFile::encodeName(path))
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        m_valid = ::mkfifo(m_path.constData(), 0666) == 0;
        m_thread = std::thread([this] {
            while (!m_stop) {
                struct stat st;
                // Once replaced by a file, the path is no FIFO and no reader's.
                if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC); fd >= 0) {
                    m_opened = m_opened || (::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode));
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }
    ~PlantedFifo()
    {
        m_stop = true;
        m_thread.join();
    }

    bool isValid() const { return m_valid; }
    bool wasOpened() const { return m_opened; }

private:
    QByteArray m_path;
    bool m_valid = false;
    std::atomic<bool> m_stop {false}, m_opened {false};
    std::thread m_thread;
};
