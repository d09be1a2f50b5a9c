#pragma once
// Test fixture: the design-conditions window as it stands when the program starts,
// answering the three control queries by name. Values can be overridden per test.
// Asking for a control the fixture does not know is a test failure (it throws).

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/control_source.h"

namespace stelvar::testing {

class DefaultControls final : public ControlSource {
public:
    DefaultControls() {
        texts_ = {
            // Backfill, embedment ground, bearing ground.
            {"Edit15", "20"}, {"Edit14", "35"}, {"Edit21", "0.0"},
            {"LabeledEdit4", "18.0"}, {"LabeledEdit7", "25"}, {"LabeledEdit8", "0.0"},
            {"LabeledEdit3", "1.2"}, {"LabeledEdit5", "19.0"}, {"Edit42", "30"},
            {"Edit3", "0.0"}, {"LabeledEdit6", "0.6"}, {"Edit16", "300"},
            {"Edit17", "0.6"}, {"Edit18", "0.0"},
            // Allowable stresses, overturning safety factors.
            {"Edit50", "18"}, {"Edit23", "4.5"}, {"Edit24", "0.22"}, {"Edit25", "0.33"},
            {"LabeledEdit1", "-"}, {"LabeledEdit2", "-"},
            // Self-weight page: block length, concrete, outlines, shear key.
            {"ComboBox18", "5"}, {"ComboBox7", "23.0"},
            {"Edit36", "600"}, {"Edit37", "400"}, {"Edit2", "1000"}, {"Edit38", "3000"},
            {"Edit39", "200"}, {"Edit34", "200"}, {"Edit31", "2400"}, {"Edit30", "200"},
            {"Edit51", "2550"}, {"Edit52", "450"}, {"Edit55", "5100"}, {"Edit56", "900"},
            {"Edit58", "835"}, {"Edit59", "2050"}, {"Edit60", "1785"},
            {"Edit35", "0"}, {"Edit40", "0"}, {"Edit41", "0"},
            // Backfill surface, surcharge, snow, seismic coefficient.
            {"ComboBox1", "-"}, {"Edit28", "0.0"}, {"Edit1", "10.0"},
            {"Edit43", "0.0"}, {"Edit13", "0.0"}, {"Edit61", "0.0"},
            // Other loads: passive, water, wind, collision.
            {"Edit54", "0.0"}, {"Edit62", "0.0"}, {"ComboBox8", "0.0"},
            {"ComboBox3", "0"}, {"ComboBox2", "0"},
            {"ComboBox9", "0.0"}, {"ComboBox4", "0"}, {"Edit63", "0"},
        };
        indices_ = {
            {"PageControl2", 0}, {"TabControl1", 0}, {"RadioGroup1", 0}, {"RadioGroup2", 0},
            {"RadioGroup3", 0}, {"RadioGroup4", 0}, {"RadioGroup5", 0}, {"RadioGroup6", 0},
            {"RadioGroup8", 0}, {"RadioGroup9", 1}, {"RadioGroup11", 0},
        };
        checks_ = {
            {"CheckBox1", true}, {"CheckBox2", false}, {"CheckBox3", false},
            {"CheckBox4", false}, {"CheckBox5", false}, {"CheckBox6", false},
            {"CheckBox7", false}, {"CheckBox9", false},
        };
    }

    DefaultControls& Set(const std::string& name, const std::string& text) {
        At(texts_, name) = text;
        return *this;
    }
    DefaultControls& SetIndex(const std::string& name, int index) {
        At(indices_, name) = index;
        return *this;
    }
    DefaultControls& SetChecked(const std::string& name, bool checked) {
        At(checks_, name) = checked;
        return *this;
    }

    // The leaning-wall page instead of the gravity-wall page.
    DefaultControls& Leaning() { return SetIndex("PageControl2", 1); }
    // No surcharge: the window clears the box when the load is switched off.
    DefaultControls& NoSurcharge() { return SetChecked("CheckBox1", false).Set("Edit1", "0.0"); }
    // The seismic case as the window sets it up, with the given coefficient and model.
    DefaultControls& Seismic(const std::string& kh, int model) {
        return SetIndex("RadioGroup5", 1).Set("Edit61", kh).SetIndex("RadioGroup9", model);
    }

    std::string Text(std::string_view name) const override { return At(texts_, name); }
    int Index(std::string_view name) const override { return At(indices_, name); }
    bool Checked(std::string_view name) const override { return At(checks_, name); }

private:
    template <class M>
    static typename M::mapped_type& At(M& m, std::string_view name) {
        auto it = m.find(std::string(name));
        if (it == m.end()) throw std::out_of_range("control not in the fixture: " + std::string(name));
        return it->second;
    }
    template <class M>
    static const typename M::mapped_type& At(const M& m, std::string_view name) {
        auto it = m.find(std::string(name));
        if (it == m.end()) throw std::out_of_range("control not in the fixture: " + std::string(name));
        return it->second;
    }

    std::map<std::string, std::string> texts_;
    std::map<std::string, int> indices_;
    std::map<std::string, bool> checks_;
};

}  // namespace stelvar::testing
