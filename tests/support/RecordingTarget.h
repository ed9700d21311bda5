#pragma once
// A reading target that records every operation, so tests can check the
// document run by run.

#include "engine/ReadingRoutine.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

class RecordingTarget : public modMayanTarot::ReadingTarget {
public:
    struct Run {
        std::string text;
        bool emphasised;
        int size;
    };

    void load() override { log("load"); }
    void setWholeText(std::string_view text) override {
        log("text=" + std::string(text));
        runs.clear();
    }
    void setEmphasis(bool on) override {
        log(on ? "emphasis on" : "emphasis off");
        emphasis = on;
    }
    void setTextSize(int value) override {
        log("size=" + std::to_string(value));
        size = value;
    }
    void insertText(std::string_view text) override {
        log("insert");
        runs.push_back({std::string(text), emphasis, size});
    }
    void setPicture(int box, int pictureNumber) override {
        log("picture " + std::to_string(box) + "=" + std::to_string(pictureNumber));
        pictures.at(static_cast<std::size_t>(box)) = pictureNumber;
    }

    std::string document() const {
        std::string all;
        for (const Run& run : runs) all += run.text;
        return all;
    }

    std::vector<std::string> operations;
    std::vector<Run> runs;
    std::array<int, 5> pictures{};
    bool emphasis = false;
    int size = 0;
    // The operation number at which the target fails (throws), or -1.
    int failAt = -1;

private:
    void log(std::string operation) {
        if (static_cast<int>(operations.size()) == failAt) {
            throw std::runtime_error("target failed at " + operation);
        }
        operations.push_back(std::move(operation));
    }
};
