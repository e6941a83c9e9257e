#include "app/demo/DemoCatalog.h"

#include <cmath>
#include <iterator>

namespace kvr::demo {

namespace {

struct Row
{
    const char* thai;
    const char* english;
    const char* pos;
    const char* group;
    const char* piece;
    const char* box;
    int fraction;
    double price;
    const char* flags; // S service, X VAT-exempt, L lots, N serials, M may go negative, B blocked, F free
    double discount;
};

const Row kShowcase[] = {
    {"น้ำดื่มตราสายธาร 600 มล.", "Saithan Drinking Water 600 ml", "น้ำดื่มสายธาร 600", "DRINK", "ขวด", "แพ็ค", 12, 7, "", 0},
    {"น้ำดื่มตราสายธาร 1.5 ลิตร", "Saithan Drinking Water 1.5 L", "น้ำดื่มสายธาร 1.5L", "DRINK", "ขวด", "แพ็ค", 6, 14, "", 0},
    {"น้ำอัดลมรสโคล่า 325 มล.", "Cola Soft Drink 325 ml", "น้ำอัดลมโคล่า", "DRINK", "กระป๋อง", "ลัง", 24, 16, "", 0},
    {"กาแฟปรุงสำเร็จ 3in1 ตราดาวทอง", "Golden Star 3in1 Coffee", "กาแฟ 3in1 ดาวทอง", "DRINK", "ซอง", "ห่อ", 27, 5, "", 0},
    {"ข้าวหอมมะลิ ตรารวงทอง 5 กก.", "Ruang Thong Jasmine Rice 5 kg", "ข้าวหอมมะลิ 5กก.", "FOOD", "ถุง", "ลัง", 4, 189, "X",
     0},
    {"ข้าวหอมมะลิ ชั่งกิโล", "Jasmine Rice by the kilo", "ข้าวหอมมะลิ กก.", "FOOD", "กก.", "", 1, 38, "XM", 0},
    {"ไข่ไก่ เบอร์ 2", "Chicken Eggs Size 2", "ไข่ไก่ เบอร์ 2", "FRESH", "ฟอง", "แผง", 30, 4.5, "X", 0},
    {"นมสด ยูเอชที รสจืด 225 มล.", "UHT Plain Milk 225 ml", "นมยูเอชที จืด", "DAIRY", "กล่อง", "ลัง", 36, 13, "L", 0},
    {"โยเกิร์ตรสสตรอว์เบอร์รี 135 กรัม", "Strawberry Yoghurt 135 g", "โยเกิร์ตสตรอว์เบอร์รี", "DAIRY", "ถ้วย", "แพ็ค", 4, 15, "L",
     0},
    {"ยาพาราเซตามอล 500 มก.", "Paracetamol 500 mg", "พาราเซตามอล 500", "CARE", "แผง", "กล่อง", 10, 25, "L", 0},
    {"บะหมี่กึ่งสำเร็จรูป รสต้มยำกุ้ง", "Instant Noodles Tom Yum Kung", "บะหมี่ต้มยำกุ้ง", "FOOD", "ซอง", "ลัง", 30, 7, "", 0},
    {"น้ำปลาแท้ ตราปลาทอง 700 มล.", "Goldfish Fish Sauce 700 ml", "น้ำปลาปลาทอง", "FOOD", "ขวด", "ลัง", 12, 32, "", 0},
    {"ซีอิ๊วขาว สูตร 1 ตราเรือใบ", "Sailboat Light Soy Sauce", "ซีอิ๊วขาวเรือใบ", "FOOD", "ขวด", "ลัง", 12, 38, "", 0},
    {"น้ำมันถั่วเหลือง 1 ลิตร", "Soybean Oil 1 L", "น้ำมันถั่วเหลือง 1L", "FOOD", "ขวด", "ลัง", 12, 58, "", 0},
    {"น้ำตาลทรายขาว 1 กก.", "White Sugar 1 kg", "น้ำตาลทราย 1กก.", "FOOD", "ถุง", "ลัง", 20, 26, "", 0},
    {"สบู่ก้อนสมุนไพร 90 กรัม", "Herbal Soap Bar 90 g", "สบู่สมุนไพร", "CARE", "ก้อน", "แพ็ค", 4, 18, "", 5},
    {"ยาสีฟันสมุนไพร 160 กรัม", "Herbal Toothpaste 160 g", "ยาสีฟันสมุนไพร", "CARE", "หลอด", "โหล", 12, 65, "", 0},
    {"แชมพูสูตรอ่อนโยน 400 มล.", "Mild Shampoo 400 ml", "แชมพูอ่อนโยน", "CARE", "ขวด", "ลัง", 12, 129, "", 0},
    {"ผงซักฟอก สูตรเข้มข้น 900 กรัม", "Concentrated Detergent 900 g", "ผงซักฟอก 900ก.", "HOME", "ถุง", "ลัง", 12, 79, "", 5},
    {"กระดาษทิชชูม้วน แพ็ค 6", "Toilet Tissue 6 Rolls", "ทิชชูม้วน 6", "HOME", "แพ็ค", "ลัง", 8, 65, "", 0},
    {"ถ่านไฟฉาย อัลคาไลน์ AA", "Alkaline Battery AA", "ถ่าน AA", "ELEC", "ก้อน", "กล่อง", 40, 12, "", 0},
    {"หลอดไฟ LED 9 วัตต์", "LED Bulb 9 W", "หลอด LED 9W", "ELEC", "หลอด", "กล่อง", 10, 59, "", 0},
    {"ผักกาดขาว", "Chinese Cabbage", "ผักกาดขาว", "FRESH", "กก.", "", 1, 35, "XM", 0},
    {"กล้วยหอม", "Banana", "กล้วยหอม", "FRESH", "หวี", "", 1, 45, "XM", 0},
    {"โทรศัพท์มือถือ รุ่นสาธิต A1", "Mobile Phone Demo A1", "มือถือ A1", "ELEC", "เครื่อง", "", 1, 3990, "N", 0},
    {"หูฟังไร้สาย รุ่น B2", "Wireless Earbuds B2", "หูฟังไร้สาย B2", "ELEC", "ชิ้น", "", 1, 890, "N", 0},
    {"หม้อหุงข้าวไฟฟ้า 1.8 ลิตร", "Electric Rice Cooker 1.8 L", "หม้อหุงข้าว 1.8L", "ELEC", "ใบ", "", 1, 1290, "N", 0},
    {"พัดลมตั้งพื้น 16 นิ้ว", "Floor Fan 16 inch", "พัดลม 16 นิ้ว", "ELEC", "เครื่อง", "", 1, 990, "N", 0},
    {"ถุงผ้ารักษ์โลก (ของแถม)", "Eco Tote Bag (free gift)", "ถุงผ้า ของแถม", "HOME", "ใบ", "", 1, 0, "F", 0},
    {"น้ำผลไม้รวม 1 ลิตร (เลิกจำหน่าย)", "Mixed Fruit Juice 1 L (discontinued)", "น้ำผลไม้รวม 1L", "DRINK", "กล่อง", "ลัง", 12,
     45, "B", 0},
    {"ค่าบริการจัดส่งสินค้า", "Delivery Service", "ค่าจัดส่ง", "SERV", "ครั้ง", "", 1, 50, "S", 0},
    {"ค่าติดตั้งเครื่องใช้ไฟฟ้า", "Appliance Installation", "ค่าติดตั้ง", "SERV", "งาน", "", 1, 300, "S", 0},
    {"ค่าห่อของขวัญ", "Gift Wrapping", "ค่าห่อของขวัญ", "SERV", "ชิ้น", "", 1, 20, "S", 0},
    {"ค่าซ่อมบำรุงทั่วไป", "General Repair", "ค่าซ่อม", "SERV", "ครั้ง", "", 1, 250, "S", 10},
    {"ค่าถ่ายเอกสาร", "Photocopying", "ถ่ายเอกสาร", "SERV", "แผ่น", "", 1, 1, "S", 0},
};

struct Base
{
    const char* thai;
    const char* english;
    const char* group;
    const char* piece;
    const char* box;
    int fraction;
    double low;
    double high;
    const char* flags;
};

const Base kBases[] = {
    {"น้ำดื่ม", "Drinking Water", "DRINK", "ขวด", "แพ็ค", 12, 6, 15, ""},
    {"ชาเขียวพร้อมดื่ม", "Green Tea Drink", "DRINK", "ขวด", "ลัง", 24, 15, 25, ""},
    {"กาแฟกระป๋อง", "Canned Coffee", "DRINK", "กระป๋อง", "ลัง", 24, 14, 22, ""},
    {"น้ำผลไม้", "Fruit Juice", "DRINK", "กล่อง", "ลัง", 24, 12, 45, ""},
    {"นมถั่วเหลือง", "Soy Milk", "DAIRY", "กล่อง", "ลัง", 36, 10, 15, "L"},
    {"เครื่องดื่มชูกำลัง", "Energy Drink", "DRINK", "ขวด", "ลัง", 50, 10, 15, ""},
    {"ขนมปังแผ่น", "Sliced Bread", "FOOD", "ห่อ", "", 1, 25, 45, "L"},
    {"ขนมขบเคี้ยว", "Snack", "FOOD", "ซอง", "ลัง", 48, 5, 30, ""},
    {"บิสกิต", "Biscuit", "FOOD", "ห่อ", "ลัง", 24, 10, 40, ""},
    {"ปลากระป๋อง", "Canned Fish", "FOOD", "กระป๋อง", "แพ็ค", 10, 15, 28, ""},
    {"ซอสพริก", "Chili Sauce", "FOOD", "ขวด", "ลัง", 12, 20, 45, ""},
    {"ซอสมะเขือเทศ", "Tomato Ketchup", "FOOD", "ขวด", "ลัง", 12, 22, 49, ""},
    {"ผงปรุงรส", "Seasoning Powder", "FOOD", "ซอง", "แพ็ค", 12, 5, 25, ""},
    {"เส้นหมี่อบแห้ง", "Dried Rice Vermicelli", "FOOD", "ห่อ", "ลัง", 30, 12, 25, ""},
    {"วุ้นเส้น", "Glass Noodles", "FOOD", "ห่อ", "ลัง", 30, 10, 22, ""},
    {"กะทิกล่อง", "Coconut Milk", "FOOD", "กล่อง", "ลัง", 24, 15, 30, ""},
    {"น้ำส้มสายชู", "Vinegar", "FOOD", "ขวด", "ลัง", 12, 12, 25, ""},
    {"พริกไทยป่น", "Ground Pepper", "FOOD", "ขวด", "โหล", 12, 25, 60, ""},
    {"ลูกอม", "Candy", "FOOD", "ซอง", "กล่อง", 24, 1, 10, ""},
    {"หมากฝรั่ง", "Chewing Gum", "FOOD", "แผง", "กล่อง", 20, 5, 15, ""},
    {"น้ำยาล้างจาน", "Dishwashing Liquid", "HOME", "ขวด", "ลัง", 12, 19, 65, ""},
    {"น้ำยาปรับผ้านุ่ม", "Fabric Softener", "HOME", "ถุง", "ลัง", 12, 25, 89, ""},
    {"น้ำยาถูพื้น", "Floor Cleaner", "HOME", "ขวด", "ลัง", 12, 35, 79, ""},
    {"ถุงขยะ", "Garbage Bags", "HOME", "แพ็ค", "ลัง", 20, 20, 59, ""},
    {"สบู่เหลว", "Liquid Soap", "CARE", "ขวด", "ลัง", 12, 59, 189, ""},
    {"โลชั่นทาผิว", "Body Lotion", "CARE", "ขวด", "ลัง", 12, 79, 259, ""},
    {"แปรงสีฟัน", "Toothbrush", "CARE", "ด้าม", "โหล", 12, 15, 59, ""},
    {"ผ้าอนามัย", "Sanitary Pads", "CARE", "ห่อ", "ลัง", 24, 25, 79, ""},
    {"ผ้าอ้อมสำเร็จรูป", "Baby Diapers", "CARE", "ห่อ", "ลัง", 4, 199, 459, ""},
    {"ปากกาลูกลื่น", "Ballpoint Pen", "HOME", "ด้าม", "กล่อง", 50, 5, 15, "M"},
    {"สมุดบันทึก", "Notebook", "HOME", "เล่ม", "แพ็ค", 12, 10, 45, "M"},
    {"เทปใส", "Clear Tape", "HOME", "ม้วน", "แพ็ค", 8, 12, 35, ""},
    {"ไฟฉาย", "Flashlight", "ELEC", "กระบอก", "กล่อง", 12, 59, 199, ""},
    {"ปลั๊กพ่วง", "Power Strip", "ELEC", "ชิ้น", "กล่อง", 10, 159, 459, ""},
    {"กาต้มน้ำไฟฟ้า", "Electric Kettle", "ELEC", "ใบ", "", 1, 390, 990, "N"},
    {"เตารีดไฟฟ้า", "Electric Iron", "ELEC", "เครื่อง", "", 1, 450, 1290, "N"},
    {"อาหารแมว", "Cat Food", "HOME", "ซอง", "ลัง", 48, 15, 25, ""},
    {"อาหารสุนัข", "Dog Food", "HOME", "ถุง", "ลัง", 10, 59, 189, ""},
    {"ผักสด", "Fresh Vegetables", "FRESH", "กก.", "", 1, 20, 80, "XM"},
    {"ผลไม้ตามฤดูกาล", "Seasonal Fruit", "FRESH", "กก.", "", 1, 40, 150, "XM"},
};

const std::pair<const char*, const char*> kBrands[] = {
    {"ตรากระต่ายทอง", "Krata Thong"}, {"ตราดาวทอง", "Dao Thong"}, {"ตรานกยูง", "Nok Yung"},
    {"ตราบัวหลวง", "Bua Luang"},      {"ตราแม่มณี", "Mae Manee"},   {"ตราสามเสือ", "Sam Suea"},
    {"ตรารวงข้าว", "Ruang Khao"},     {"ตราปลาทอง", "Pla Thong"}, {"ตราม้าบิน", "Ma Bin"},
    {"ตราใบโพธิ์", "Bai Pho"},         {"ตราดอกจำปี", "Champee"},   {"ตราเรือใบ", "Ruea Bai"},
    {"ตราหงส์เหิน", "Hong Hoen"},      {"ตราอรุณ", "Arun"},         {"ตราสายรุ้ง", "Sai Rung"},
    {"ตราเพชรงาม", "Phet Ngam"},
};

const std::pair<const char*, const char*> kVariants[] = {
    {"ขนาดเล็ก", "Small"},         {"ขนาดกลาง", "Medium"},   {"ขนาดใหญ่", "Large"},
    {"ขนาดประหยัด", "Value Pack"}, {"สูตรดั้งเดิม", "Original"}, {"สูตรใหม่", "New Formula"},
};

CatalogItem fromRow(const Row& row)
{
    CatalogItem item;
    item.thaiName = QString::fromUtf8(row.thai);
    item.englishName = QString::fromUtf8(row.english);
    item.posName = QString::fromUtf8(row.pos);
    item.group = QString::fromUtf8(row.group);
    item.pieceUnit = QString::fromUtf8(row.piece);
    item.boxUnit = QString::fromUtf8(row.box);
    item.boxFraction = row.fraction;
    item.piecePrice = row.price;
    const QString flags = QString::fromUtf8(row.flags);
    item.service = flags.contains(QLatin1Char('S'));
    item.vatExempt = flags.contains(QLatin1Char('X'));
    item.lotControl = flags.contains(QLatin1Char('L'));
    item.useSerial = flags.contains(QLatin1Char('N'));
    item.mayGoNegative = flags.contains(QLatin1Char('M'));
    item.blocked = flags.contains(QLatin1Char('B'));
    item.free = flags.contains(QLatin1Char('F'));
    item.discount = row.discount;
    return item;
}

// Shelf prices: quarter baht below twenty baht, whole baht up to a thousand, then tens.
double shelfPrice(double value)
{
    if (value < 20)
        return std::round(value * 4) / 4;
    if (value < 1000)
        return std::round(value);
    return std::round(value / 10) * 10;
}

} // namespace

const std::vector<CatalogItem>& showcaseItems()
{
    static const std::vector<CatalogItem> items = [] {
        std::vector<CatalogItem> list;
        for (const Row& row : kShowcase)
            list.push_back(fromRow(row));
        return list;
    }();
    return items;
}

CatalogItem generatedItem(int n)
{
    const int bases = int(std::size(kBases));
    const int brands = int(std::size(kBrands));
    const int variants = int(std::size(kVariants));
    const Base& base = kBases[n % bases];
    const auto& brand = kBrands[(n / bases) % brands];
    const auto& variant = kVariants[(n / (bases * brands)) % variants];

    Row row{base.thai, base.english, base.thai, base.group, base.piece, base.box, base.fraction, 0, base.flags, 0};
    CatalogItem item = fromRow(row);
    item.thaiName =
        QStringLiteral("%1 %2 %3").arg(item.thaiName, QString::fromUtf8(brand.first), QString::fromUtf8(variant.first));
    item.englishName = QStringLiteral("%1 %2 %3")
                           .arg(QString::fromUtf8(brand.second), item.englishName, QString::fromUtf8(variant.second));
    item.posName = QStringLiteral("%1 %2").arg(item.posName, QString::fromUtf8(brand.first));
    // A spread of prices within the base's range, taken from n so that it needs no seed.
    const double step = double((n * 7919) % 101) / 100.0;
    item.piecePrice = shelfPrice(base.low + (base.high - base.low) * step);
    item.discount = n % 17 == 3 ? 5 : 0;
    return item;
}

} // namespace kvr::demo
