// Stand-in objects for handles the program does not own (a parent window, the font
// a control uses, the pen a DC had): made on request, owning nothing, deleted
// together when the message loop is idle. Never keep their pointers across messages.
#pragma once

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class CTempObjects {
public:
    // The stand-in T for handle h, made on first request.
    template <class T, class H>
    static T* Get(H h) {
        static std::unordered_map<H, std::unique_ptr<T>>& map = Register<T, H>();
        std::unique_ptr<T>& p = map[h];
        if (!p) p.reset(T::MakeTemporary(h));
        return p.get();
    }
    // Deletes every stand-in: called by the message loop when it has nothing to do.
    static void DeleteAll();

private:
    template <class T, class H>
    static std::unordered_map<H, std::unique_ptr<T>>& Register() {
        static std::unordered_map<H, std::unique_ptr<T>> map;
        Clearers().push_back([] { map.clear(); });
        return map;
    }
    static std::vector<std::function<void()>>& Clearers();
};
