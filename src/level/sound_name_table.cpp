#include "level/sound_name_table.h"

#include <array>

namespace kavrin {

namespace {

// Several samples share a file: the game plays the same sound under more than one index.
// clang-format off
constexpr std::array<const char*, SOUND_NAME_COUNT> SOUND_NAMES = {
    // 0-9
    "foot01.wav", "foot02.wav", "foot03.wav", "foot04.wav", "clim_up2.wav",
    "lara_no.wav", "slipping.wav", "landing.wav", "clim_up1.wav", "hols_out.wav",
    // 10-19
    "hols_in.wav", "magnum.wav", "reload.wav", "rico_01.wav", "rico_02.wav",
    "phend.wav", "l_stomet.wav", "sc2.wav", "sc3.wav", "bsca_atk.wav",
    // 20-29
    "bsca_die.wav", "bsca_fly.wav", "fsw1.wav", "fsw3.wav", "fsw4.wav",
    "wade.wav", "l_rumb.wav", "l_metal.wav", "brigfall.wav", "l_metal.wav",
    // 30-39
    "lar_kn1.wav", "lar_kn2.wav", "spx_swt.wav", "clim_up3.wav", "back_jm1.wav",
    "lar_jmp.wav", "lr_jmp6.wav", "f2f_scrm.wav", "takehit1.wav", "takehit2.wav",
    // 40-49
    "rolling.wav", "splash.wav", "go_watr.wav", "swim.wav", "breath.wav",
    "spinner.wav", "usekey.wav", "revsaw.wav", "lar_die2.wav", "lar_die1.wav",
    // 50-59
    "uzi_fr.wav", "uzi_stp.wav", "shot_gun.wav", "p&p02.wav", "p&p01.wav",
    "sarlid2.wav", "shot_shl.wav", "uw_door.wav", "p&p04.wav", "floatswm.wav",
    // 60-69
    "f2f_hitg.wav", "back_jm1.wav", "back_jm3.wav", "back_jm2.wav", "ratch_01.wav",
    "ratch_02.wav", "undwatr.wav", "uw_swt.wav", "l_pshblk.wav", "gen_door.wav",
    // 70-79
    "l_chop.wav", "rokfall1.wav", "rokfall2.wav", "swoosh1a.wav", "lar_th1.wav",
    "lar_th2.wav", "swoosh1.wav", "gen_thud.wav", "croc_f1.wav", "croc_f2.wav",
    // 80-89
    "spinhook.wav", "bazooka.wav", "koch.wav", "l_wfall.wav", "croc_at.wav",
    "croc_die.wav", "port.wav", "port_dn.wav", "ddr_bng.wav", "ddr_crk.wav",
    // 90-99
    "dr_bgsto.wav", "pyr_pneu.wav", "ah_die.wav", "ahmet_02.wav", "ahmet_03.wav",
    "ahmet_05.wav", "ah_hand.wav", "ah_feet.wav", "ah_feet2.wav", "swipe_01.wav",
    // 100-109
    "swipe_02.wav", "ahmet_06.wav", "guid_huh.wav", "asmg_ft1.wav", "asmg_ft2.wav",
    "pourwtr.wav", "scale1.wav", "scale2.wav", "beetwind.wav", "l_toy1.wav",
    // 110-119
    "beet_exp.wav", "mine_exp.wav", "explos1.wav", "explos2.wav", "l_quake.wav",
    "m_rotat.wav", "m_select.wav", "m_choose.wav", "tick.wav", "m_comb.wav",
    // 120-129
    "medi_fix.wav", "back_jm2.wav", "l_wloop.wav", "vc_jmp2.wav", "locusts.wav",
    "d_eagle.wav", "bouldlnd.wav", "mini_lo.wav", "mini_lck.wav", "mini_fr.wav",
    // 130-139
    "l_blood.wav", "bike_stt.wav", "bike_idl.wav", "bike_mve.wav", "bike_si.wav",
    "bike_fi.wav", "l_wind.wav", "bike_lnd.wav", "cr_god4.wav", "cr_god6.wav",
    // 140-149
    "cr_god3.wav", "cr_fire.wav", "gbod_slm.wav", "lar_spks.wav", "l_rumb.wav",
    "l_rumb.wav", "l_fire.wav", "chains.wav", "jeep_stt.wav", "jeep_idl.wav",
    // 150-159
    "jeep_rev.wav", "jeep_mve.wav", "jeep_stp.wav", "dor_roll.wav", "trapd_op.wav",
    "maq_stnd.wav", "maq_atl.wav", "maq_atj.wav", "maq_jmp.wav", "maq_die.wav",
    // 160-169
    "bat_sqk1.wav", "b2.wav", "b3.wav", "bat5.wav", "bat6.wav",
    "bat8.wav", "spx_nse.wav", "spx_ft1.wav", "spx_ft2.wav", "spx_ft3.wav",
    // 170-179
    "spx_scrm.wav", "dog_hwl.wav", "l_fount.wav", "dog_f1.wav", "dog_aw.wav",
    "dog_at1.wav", "dog_at2.wav", "dog_d1.wav", "dog_d2.wav", "thun_rum.wav",
    // 180-189
    "thun_crk.wav", "wraith1.wav", "wraith2.wav", "wraith3.wav", "sk_foot1.wav",
    "sk_foot2.wav", "sk_foot3.wav", "sk_atk1.wav", "sk_atk2.wav", "swoosh3.wav",
    // 190-199
    "sw_clang.wav", "sk_swd1.wav", "sk_swd2.wav", "sk_land.wav", "gd_scare.wav",
    "jp_dopen.wav", "jp_dcls.wav", "l_vander.wav", "vander.wav", "lib_cog.wav",
    // 200-209
    "jeep_si.wav", "jeep_fi.wav", "jeep_lnd.wav", "wh_atk1.wav", "wh_sql3.wav",
    "set_time.wav", "wh_sql2.wav", "wh1a.wav", "wh3a.wav", "wh4a.wav",
    // 210-219
    "wh5a.wav", "wh_gnt2.wav", "hrs_rico.wav", "gem_drop.wav", "sc_scrm.wav",
    "sc2.wav", "sc3.wav", "sc6.wav", "sc7.wav", "sc_clk1.wav",
    // 220-229
    "sc_clk2.wav", "sc_whip.wav", "sc2.wav", "sc6.wav", "hrs_f1.wav",
    "hrs_f2.wav", "hrs_f3.wav", "hrs_f4.wav", "kn_ft1.wav", "kn_ft2.wav",
    // 230-239
    "kn_ft3.wav", "kn_ft4.wav", "kn_garg1.wav", "kn_ohh1.wav", "kn_swdrg.wav",
    "kn_atk1.wav", "kn_atk2.wav", "sw_clang.wav", "swoosh3.wav", "mum_ohh1.wav",
    // 240-249
    "mum1.wav", "mum2.wav", "mum_atk.wav", "mum_tkht.wav", "fann.wav",
    "crossbow.wav", "liz_fs1.wav", "liz_fs2.wav", "asmg_d1.wav", "flush.wav",
    // 250-259
    "gd_zippo.wav", "swch_01.wav", "dem_f1.wav", "dem_f2.wav", "debu_snt.wav",
    "demi_ham.wav", "dem_rumb.wav", "swoosh4.wav", "defa_sql.wav", "dem_plas.wav",
    // 260-269
    "dem_rise.wav", "dem_pla2.wav", "swave_ex.wav", "de_tutgr.wav", "joby_ele.wav",
    "asmg_ft4.wav", "dor_thud.wav", "bad_atk1.wav", "bad_die1.wav", "bad_die2.wav",
    // 270-279
    "bad_jmp.wav", "bad_stun.wav", "bad_swaw.wav", "bad_uzi.wav", "bad_rico.wav",
    "bad_uzi2.wav", "boot_ft1.wav", "boot_ft2.wav", "boot_ft3.wav", "nrg_chg.wav",
    // 280-289
    "sas_mgfi.wav", "ham_wade.wav", "sml_swt.wav", "sir_flap.wav", "sir_fx1.wav",
    "sir_atk.wav", "sir_die.wav", "sir_bz1.wav", "gen_plas.wav", "ham_head.wav",
    // 290-299
    "sml_d.wav", "trdr_ope.wav", "trdr_cls.wav", "vc_knife.wav", "tr_break.wav",
    "boxhit2.wav", "boxhit1.wav", "boxhit2.wav", "crysmash.wav", "trapbld1.wav",
    // 300-309
    "swrl_mov.wav", "fs_mud1.wav", "fs_mud2.wav", "hrs_neig.wav", "fs_grv1.wav",
    "fs_grv2.wav", "fs_snd1.wav", "fs_snd2.wav", "fs_wd1.wav", "fs_wd2.wav",
    // 310-319
    "fs_met1.wav", "fs_met2.wav", "hvy_fall.wav", "set_plas.wav", "set_bolt.wav",
    "set_f1.wav", "set_chrg.wav", "set_chg2.wav", "hrs_tkht.wav", "hrsm_f1.wav",
    // 320-329
    "hrsm_f2.wav", "hrs_atak.wav", "hrs_fall.wav", "hrs_die.wav", "map_swch.wav",
    "map_open.wav", "l_maplzr.wav", "lncher1.wav", "map_clnk.wav", "trapbld1.wav",
    // 330-339
    "trapbld2.wav", "trapbld2.wav", "traphamm.wav", "dr_bgsto.wav", "maq_stnd.wav",
    "rolling.wav", "2xswsh.wav", "setdrmt1.wav", "setdrmt2.wav", "setgrnt1.wav",
    // 340-349
    "joby_blk.wav", "set_hit.wav", "dart.wav", "crowgem.wav", "cbar_clk.wav",
    "sqk1.wav", "sqk2.wav", "hrs_gtup.wav", "baskopen.wav", "coffope1.wav",
    // 350-359
    "coffope2.wav", "mumjolt.wav", "headspin.wav", "mumrar.wav", "roller.wav",
    "lev_pul1.wav", "lev_pul2.wav", "ple_slid.wav", "l_rpeple.wav", "trapbld3.wav",
    // 360-369
    "lar_plly.wav", "teethspk.wav", "l_sand.wav", "amusnd.wav", "sqk1.wav",
    "sqk2.wav", "hit_rock.wav", "lara_nof.wav", "lara_noj.wav", "crow_try.wav",
    // 370-379
    "rope_01.wav", "rope_02.wav", "sqk1.wav", "spxdrcrk.wav", "map_pyra.wav",
    "l_beam.wav", "gd_fire.wav", "sas_mgfi.wav", "lar_plly.wav", "steam.wav",
    // 380-388
    "roller2.wav", "jobywind.wav", "l_sprin.wav", "convey.wav", "crank.wav",
    "hit_rock.wav", "bike_hit.wav", "l_flame.wav", "clk_swt.wav",
};
// clang-format on

}  // namespace

const char* levelSampleName(uint32_t index) {
    return index < SOUND_NAMES.size() ? SOUND_NAMES[index] : "bogus.wav";
}

}  // namespace kavrin
