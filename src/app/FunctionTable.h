#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace kvr::data {
class TDM;
class TDMConfig;
} // namespace kvr::data

namespace kvr::products {
class TDmProduct;
class TDmService;
} // namespace kvr::products

namespace kvr::ui {
class Prompter;
}

namespace kvr::app {

// What the screens need from start-up: the shared data modules and the message interface.
struct DataModules
{
    data::TDM& dm;
    data::TDMConfig& config;
    products::TDmProduct& product;
    products::TDmService& service;
    ui::Prompter& prompter;
};

// Opens the function of a program number: creates its forms (the first is the main form, whose
// closing ends the program) and sets their start values.
using FunctionFactory = std::function<std::vector<QWidget*>(DataModules&)>;

// Program number -> function. Numbers without an entry open nothing and the program ends.
class FunctionTable
{
public:
    // The program's own table, built once: the factories found in it stay valid for the run.
    static const FunctionTable& standard();
    void add(int programNo, FunctionFactory factory) { m_functions[programNo] = std::move(factory); }
    const FunctionFactory* find(int programNo) const;

private:
    std::map<int, FunctionFactory> m_functions;
};

} // namespace kvr::app
