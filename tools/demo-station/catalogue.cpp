#include "catalogue.h"

#include <algorithm>

const std::vector<DemoChannel> &demoChannels()
{
    static const std::vector<DemoChannel> channels = {
        {-10, "豆瓣精选"}, {1, "华语"},     {2, "欧美"},      {3, "70s"},        {4, "80s"},    {5, "90s"},
        {6, "粤语"},       {17, "日语"},    {18, "韩语"},     {61, "新歌"},      {194, "流行"}, {7, "摇滚"},
        {8, "民谣MHz"},    {9, "轻音乐"},   {10, "电影原声"}, {13, "爵士"},      {27, "古典"},  {28, "动漫"},
        {187, "世界音乐"}, {188, "布鲁斯"}, {189, "拉丁"},    {153, "工作学习"}, {151, "户外"}, {152, "休息"},
        {154, "亢奋"},     {155, "舒缓"},   {77, "Easy"},     {32, "咖啡"},      {257, "运动"},
    };
    return channels;
}

// The set covers what the client must cope with: a 3 s song for song ends, an album path without
// "subject", an ASCII quote and a slash inside texts, a lyric that is only "暂无歌词", one without
// time tags, and a line carrying two tags.
const std::vector<DemoSong> &demoSongs()
{
    static const std::vector<DemoSong> songs = {
        {"1001", "9b1f", "晨光", "林小舟", "清晨的歌", "/subject/1234567/", 1, 3, 1500000001,
         "[00:00.50]晨光照进窗\r\n[00:01.80]新的一天开始了\r\n"},
        {"1002", "a3c7", "夜航船", "陈远", "远方", "/subject/2345678/", 6, 12, 1500000002,
         "[00:00.50]夜航船 - 陈远\r\n[00:02.00]灯火在水面摇晃\r\n[00:05.00]船桨划开了月光\r\n"
         "[00:08.00]远方有人在歌唱\r\n[00:10.50]我们就要靠岸\r\n"},
        {"1003", "5e20", "无名小调", "佚名乐队", "散曲集", "/album/77/", 9, 20, 1500000003, "暂无歌词"},
        {"1004", "7d4a", "城市与海 \"Live\"", "Mira & 周航", "潮汐/回声", "/subject/3456789/", 2, 30,
         1500000004, "潮水退去的时候\r\n城市亮起了灯\r\n"},
        {"1005", "c81e", "一分钟的雨", "雨季", "雨季", "/subject/4567890/", 155, 60, 1500000005,
         "[00:00.50]一分钟的雨 - 雨季\r\n[00:05.00]云从山那边过来\r\n[00:10.00]窗台落下第一滴\r\n"
         "[00:15.00][00:45.00]雨一直下\r\n[00:20.00]街上的伞开成花\r\n[00:25.00]你说不如等一等\r\n"
         "[00:30.00]等风把云吹散\r\n[00:35.00]等屋檐不再滴答\r\n[00:40.00]等一分钟过去\r\n"
         "[00:50.00]雨停了\r\n[00:55.00]天边有一道光\r\n"},
    };
    return songs;
}

const DemoChannel *findChannel(int id)
{
    const auto &channels = demoChannels();
    const auto it =
        std::find_if(channels.begin(), channels.end(), [id](const DemoChannel &c) { return c.id == id; });
    return it == channels.end() ? nullptr : &*it;
}

const DemoSong *findSong(const std::string &sid)
{
    const auto &songs = demoSongs();
    const auto it =
        std::find_if(songs.begin(), songs.end(), [&sid](const DemoSong &s) { return s.sid == sid; });
    return it == songs.end() ? nullptr : &*it;
}
