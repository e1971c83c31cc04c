#pragma once

#include <windows.h>

#include <cstddef>

// A block of memory inside another process, for messages that carry a pointer
// (the system copies only the standard messages' buffers between processes).
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, size_t size);
    ~RemoteMemory();
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    bool valid() const { return address_ != nullptr; }
    LPARAM address(size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }
    bool write(const void* data, size_t size, size_t offset = 0) const;
    bool read(void* data, size_t size, size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_;
};
